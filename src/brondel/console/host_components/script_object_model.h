#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>
#include <memory>

namespace host {

// The objects of a module that host scripts can reach, built by the navigator on request.
namespace script_kind {
constexpr qint32 Form = 0;
constexpr qint32 DataSection = 3;
}  // namespace script_kind

class ScriptObjectModel : public Object {
public:
    // Adds object under name; the model may hand back another reference to it through object. Returns
    // the model's entry for it.
    virtual std::shared_ptr<Object> addObject(const QString& name, std::shared_ptr<Object>& object, qint32 kind,
                                              const QString& description) = 0;
};

}  // namespace host
