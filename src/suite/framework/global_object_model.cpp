#include "suite/framework/global_object_model.h"

namespace suite {

void GlobalObjectModel::setCurrentModule(std::shared_ptr<host::Cinterface> module) {
    const std::shared_ptr<host::Cinterface> current = current_.lock();
    if (current && module && current != module)
        previous_ = current;
    current_ = module;
}

void GlobalObjectModel::closeModule(std::shared_ptr<host::Cinterface>& module) {
    ++closedModules_;
    if (current_.lock() == module)
        current_.reset();
    if (previous_.lock() == module)
        previous_.reset();
}

}  // namespace suite
