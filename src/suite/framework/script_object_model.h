#pragma once

#include "brondel/console/host_components/script_object_model.h"

#include <QList>
#include <QString>
#include <memory>

namespace suite {

// The objects of a module that host scripts reach, in the order added. The model does not keep the
// objects alive: the module owns them.
class ScriptObjectModel : public host::ScriptObjectModel {
public:
    struct Entry {
        QString name;
        qint32 kind = 0;
        QString description;
        std::weak_ptr<host::Object> object;
    };

    // Records the object and returns it; object is left as it is.
    std::shared_ptr<host::Object> addObject(const QString& name, std::shared_ptr<host::Object>& object, qint32 kind,
                                            const QString& description) override;

    const QList<Entry>& entries() const { return entries_; }
    // The object added under name; nothing when none (or it is gone).
    std::shared_ptr<host::Object> object(const QString& name) const;

private:
    QList<Entry> entries_;
};

}  // namespace suite
