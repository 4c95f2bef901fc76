#pragma once

#include "brondel/console/host_components/data_control.h"

#include <QString>
#include <QVariant>

namespace host {

// A combo (CBO_*, CMB_*): entries of a text and a code; its text and value are the chosen entry's code.
// Setting the text selects the entry with that code.
class Combo : public DataControl {
public:
    virtual void clear() = 0;
    virtual void addItem(const QString& text, const QVariant& code) = 0;
    virtual int count() const = 0;
    virtual QString itemText(int index) const = 0;
    virtual QVariant itemCode(int index) const = 0;

    // No entry chosen.
    virtual void resetSelection() = 0;
    // Chooses the entry at index (raises ChangeRow when the entry changes).
    virtual void setCurrentIndex(int index) = 0;
    virtual int currentIndex() const = 0;  // -1: none
    // The chosen entry's code; Empty when none.
    virtual QVariant currentCode() const = 0;

    // When true, entries are kept sorted by text; when false, in the order they were added.
    virtual bool isSorted() const = 0;
    virtual void setSorted(bool sorted) = 0;

    // The chosen entry changed.
    automation::Event<> ChangeRow;
};

}  // namespace host
