#include "suite/framework/check_model.h"

#include "automation/variant.h"

namespace suite {

namespace {

// Null, Empty and anything that is not a non-zero number or True mean unticked.
bool ticked(const QVariant& value) {
    if (automation::isNull(value) || automation::isEmpty(value))
        return false;
    try {
        return automation::cbool(value);
    } catch (const automation::Error&) {
        return false;
    }
}

}  // namespace

CheckModel::CheckModel(const host::ControlDesign& design) : DataControlBase<host::Check>(design) {
    checked_ = ticked(design.defaultValue);
}

QString CheckModel::text() const { return checked_ ? QStringLiteral("1") : QStringLiteral("0"); }

void CheckModel::setText(const QString& text) { setChecked(ticked(text)); }

QVariant CheckModel::value() const { return checked_ ? 1 : 0; }

void CheckModel::setValue(const QVariant& value) { setChecked(ticked(value)); }

void CheckModel::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    notifyChanged();
    Click.raise();
}

bool CheckModel::toggle() {
    if (!canTakeFocus())
        return false;
    takeFocus();
    const bool previous = checked_;
    setChecked(!previous);
    bool cancel = false;
    AfterItem.raise(cancel);
    if (cancel) {
        setChecked(previous);
        return false;
    }
    UserEdited.raise();
    return true;
}

}  // namespace suite
