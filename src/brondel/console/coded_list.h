#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <optional>

namespace brondel {

// A fixed list of codes for a combo: its entries (text shown, code stored) and the design of the combo
// that edits the column holding the code.
struct CodedList {
    struct Entry {
        QVariant code;  // a 16-bit integer, or a text for the lists whose column is text
        QString text;
    };

    // When CaricaCombo turns the combo's sorting off: after adding the entries, before clearing the
    // combo, or not at all.
    enum class SortSetting { AfterAdding, BeforeClearing, None };

    QString combo;
    QString caption;
    QString column;  // empty: not bound
    QList<Entry> entries;
    QVariant defaultValue;  // Empty: none
    bool mandatory = false;
    bool enabled = true;
    int panel = 0;  // PIC_PARAMETRI index of the combo's section
    SortSetting sortSetting = SortSetting::AfterAdding;
    bool selectFirst = false;  // CaricaCombo selects the entry at index 0
    QString startText;         // CaricaCombo then sets this text (a code), when not empty
};

// The ten lists CaricaCombo loads, in its order.
const QList<CodedList>& codedLists();
// The element list of the priorities section, loaded each time the section is shown.
const CodedList& elementList();
// The list of a combo (the element list included); nothing for a combo without one.
std::optional<CodedList> codedList(const QString& combo);
// The entry text of a code stored in a column that one of the ten lists edits (untranslated); nothing
// for a column without a list or a code without an entry.
std::optional<QString> codedText(const QString& column, const QVariant& code);

}  // namespace brondel
