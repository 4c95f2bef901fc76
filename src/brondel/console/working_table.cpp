#include "brondel/console/working_table.h"

#include "ado/connection.h"
#include "brondel/console/host_components/function_library.h"

namespace brondel {

WorkingTable::WorkingTable(QString prefix, std::function<QString(const QString& name)> creation)
    : prefix_(std::move(prefix)), creation_(std::move(creation)) {}

QString WorkingTable::name(host::FunctionLibrary& library, ado::Connection& connection) {
    if (name_.isEmpty()) {
        const QString named = prefix_ + library.uniqueSuffix();
        connection.execute(creation_(named));
        name_ = named;
    }
    return name_;
}

}  // namespace brondel
