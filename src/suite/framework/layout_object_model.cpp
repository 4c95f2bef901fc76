#include "suite/framework/layout_object_model.h"

namespace suite {

std::shared_ptr<host::Object> LayoutObjectModel::addForm(const QVariant& name, std::shared_ptr<host::Object>& form,
                                                         int option1, int option2, int option3) {
    entries_.append({name, form, {option1, option2, option3}});
    return form;
}

QVariant LayoutObjectModel::release() {
    for (Entry& entry : entries_)
        entry.form.reset();
    released_ = true;
    return true;
}

}  // namespace suite
