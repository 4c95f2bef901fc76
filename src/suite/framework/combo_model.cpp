#include "suite/framework/combo_model.h"

#include "automation/variant.h"

#include <algorithm>

namespace suite {

ComboModel::ComboModel(const host::ControlDesign& design) : DataControlBase<host::Combo>(design) {}

QString ComboModel::text() const { return current_ >= 0 ? automation::cstr(items_[current_].code) : unmatched_; }

void ComboModel::setText(const QString& text) {
    const int index = indexOfCode(text);
    if (index >= 0) {
        setCurrentIndex(index);
        return;
    }
    const bool changed = current_ != -1 || unmatched_ != text;
    current_ = -1;
    unmatched_ = text;
    if (changed) {
        notifyChanged();
        ChangeRow.raise();
        Change.raise();
    }
}

QVariant ComboModel::value() const { return current_ >= 0 ? items_[current_].code : automation::null(); }

void ComboModel::setValue(const QVariant& value) {
    if (automation::isNull(value) || automation::isEmpty(value))
        setText(QString());
    else
        setText(automation::cstr(value));
}

bool ComboModel::isValid() const { return current_ >= 0 && DataControlBase<host::Combo>::isValid(); }

void ComboModel::clear() {
    items_.clear();
    current_ = -1;
    unmatched_.clear();
    notifyChanged();
}

void ComboModel::addItem(const QString& text, const QVariant& code) {
    Item item{text, code};
    if (sorted_) {
        const auto at = std::upper_bound(items_.begin(), items_.end(), item, [](const Item& a, const Item& b) {
            return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
        });
        const int index = int(at - items_.begin());
        items_.insert(index, item);
        if (current_ >= index)
            ++current_;
    } else {
        items_.append(item);
    }
    notifyChanged();
}

QString ComboModel::itemText(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].text : QString();
}

QVariant ComboModel::itemCode(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].code : QVariant();
}

void ComboModel::resetSelection() {
    current_ = -1;
    unmatched_.clear();
    notifyChanged();
}

void ComboModel::setCurrentIndex(int index) {
    if (index < -1 || index >= items_.size())
        throw automation::Error(380, name(), QStringLiteral("Invalid property value"));
    if (index == current_)
        return;
    current_ = index;
    unmatched_.clear();
    notifyChanged();
    ChangeRow.raise();
    Change.raise();
}

QVariant ComboModel::currentCode() const { return current_ >= 0 ? items_[current_].code : QVariant(); }

bool ComboModel::pick(int index) {
    if (!canTakeFocus())
        return false;
    takeFocus();
    const int previous = current_;
    setCurrentIndex(index);
    Click.raise();
    bool cancel = false;
    Validate.raise(cancel);
    if (!cancel)
        AfterItem.raise(cancel);
    if (cancel) {
        setCurrentIndex(previous);
        return false;
    }
    UserEdited.raise();
    return true;
}

int ComboModel::pressKey(int keyCode, int shift) { return pressKeyOn(KeyDown, keyCode, shift); }

int ComboModel::indexOfCode(const QString& code) const {
    for (int i = 0; i < items_.size(); ++i) {
        if (automation::cstr(items_[i].code) == code)
            return i;
    }
    return -1;
}

}  // namespace suite
