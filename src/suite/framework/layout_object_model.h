#pragma once

#include "brondel/console/host_components/layout_object_model.h"

#include <QList>
#include <QVariant>
#include <memory>

namespace suite {

// The forms whose layout the host keeps, in the order added. release() ends the model's hold on them
// (the suite stores no layouts yet: window positions come from the forms' design).
class LayoutObjectModel : public host::LayoutObjectModel {
public:
    struct Entry {
        QVariant name;
        std::weak_ptr<host::Object> form;
        int options[3] = {0, 0, 0};
    };

    // Records the form and returns it; form is left as it is.
    std::shared_ptr<host::Object> addForm(const QVariant& name, std::shared_ptr<host::Object>& form, int option1,
                                          int option2, int option3) override;
    // Returns true.
    QVariant release() override;

    const QList<Entry>& entries() const { return entries_; }
    bool isReleased() const { return released_; }

private:
    QList<Entry> entries_;
    bool released_ = false;
};

}  // namespace suite
