#include "suite/framework/script_object_model.h"

namespace suite {

std::shared_ptr<host::Object> ScriptObjectModel::addObject(const QString& name, std::shared_ptr<host::Object>& object,
                                                           qint32 kind, const QString& description) {
    entries_.append({name, kind, description, object});
    return object;
}

std::shared_ptr<host::Object> ScriptObjectModel::object(const QString& name) const {
    for (const Entry& entry : entries_) {
        if (entry.name == name)
            return entry.object.lock();
    }
    return nullptr;
}

}  // namespace suite
