#pragma once

#include "brondel/console/host_components/object.h"

#include <QVariant>
#include <memory>

namespace host {

// Saves and restores the layout of a module's forms, built by the navigator on request.
class LayoutObjectModel : public Object {
public:
    // Adds a form under name; the model may hand back another reference through form. Returns the
    // model's entry for it.
    virtual std::shared_ptr<Object> addForm(const QVariant& name, std::shared_ptr<Object>& form, int option1,
                                            int option2, int option3) = 0;
    // Saves the layouts and lets the forms go.
    virtual QVariant release() = 0;
};

}  // namespace host
