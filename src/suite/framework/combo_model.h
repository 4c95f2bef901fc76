#pragma once

#include "suite/framework/data_control_base.h"

#include "brondel/console/host_components/combo.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace suite {

// A combo. Its text and value are the chosen entry's code; setting a text or value chooses the entry with
// that code (none: no entry chosen, and the combo is not valid). Choosing another entry, by code or by
// gesture, raises ChangeRow and Change; resetSelection() and clear() raise nothing.
//
// Gesture: pick() chooses an entry as the user does: ChangeRow, Change, Click, then Validate and
// AfterItem; a Cancel puts the previous entry back.
class ComboModel : public DataControlBase<host::Combo> {
public:
    explicit ComboModel(const host::ControlDesign& design);

    QString text() const override;
    void setText(const QString& text) override;
    QVariant value() const override;
    void setValue(const QVariant& value) override;
    bool isValid() const override;

    void clear() override;
    void addItem(const QString& text, const QVariant& code) override;
    int count() const override { return int(items_.size()); }
    QString itemText(int index) const override;
    QVariant itemCode(int index) const override;
    void resetSelection() override;
    void setCurrentIndex(int index) override;
    int currentIndex() const override { return current_; }
    QVariant currentCode() const override;
    bool isSorted() const override { return sorted_; }
    void setSorted(bool sorted) override { sorted_ = sorted; }

    // The shown text of the chosen entry (empty when none).
    QString currentText() const { return itemText(current_); }

    bool pick(int index);
    // KeyDown only; returns the key code left by the handlers.
    int pressKey(int keyCode, int shift = 0);

private:
    struct Item {
        QString text;
        QVariant code;
    };

    int indexOfCode(const QString& code) const;

    QList<Item> items_;
    int current_ = -1;
    QString unmatched_;  // a text set that is no entry's code
    bool sorted_ = false;
};

}  // namespace suite
