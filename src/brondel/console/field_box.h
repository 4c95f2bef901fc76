#pragma once

#include "brondel/console/host_components/control_design.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <span>

namespace host {
class Control;
}

namespace brondel {

class FormLayout;
class FRMMG_BRONDEL;

// The design of a bound edit: name, caption (UTF-8; the frame's messages name the field by it), bound
// column, maximum length, width in twips, and its properties.
struct EditDesign {
    const char* name;
    const char* caption;
    const char* column;
    int maxLength;
    int width;
    bool numeric = false;
    bool upperCase = false;
    bool mandatory = false;
    bool enabled = true;
    QVariant defaultValue = QVariant();  // Empty: none
};

// The design of a bound check box.
struct CheckDesign {
    const char* name;
    const char* caption;
    const char* column;
    QVariant defaultValue = QVariant();  // Empty: none
    bool enabled = true;
};

// A row of a field box, top to bottom.
struct FieldRow {
    enum class Kind {
        Edit,            // label, edit
        Combo,           // label, coded combo (coded_list.cpp)
        Check,           // a check across both columns
        DependentCheck,  // the same, indented under the check it depends on
        CheckedValue,    // a check in the label column that switches on the edit beside it
    };
    Kind kind;
    const char* control;
    const char* label = nullptr;        // the label's text when the control's caption is too long for it
    const char* beside = nullptr;       // CheckedValue: the edit
    const char* description = nullptr;  // CheckedValue: the label after the edit that shows its decoded text
};

// The controls a field box's rows need, with their designs.
struct FieldBoxDesign {
    std::span<const FieldRow> rows;
    std::span<const EditDesign> edits;
    std::span<const CheckDesign> checks;
};

// Creates the rows of a field box (a group box laid out by layout, one row of it per FieldRow): each
// edit and combo with its label LBL_<name without its kind> (LBL_DESCR for TXT_DESCR), each check with
// its caption. Raises ItemNotFound for a row whose control has no design.
void createFieldRows(FRMMG_BRONDEL& form, const std::shared_ptr<host::Control>& box, const FormLayout& layout,
                     const FieldBoxDesign& design);

// A control's design (FRMMG_BRONDEL::design) with its caption.
host::ControlDesign designWithCaption(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                                      std::shared_ptr<host::Control> parent, const QString& caption);

// The name of a control's label: LBL_ and the control's name after its kind.
QString labelName(const QString& control);

}  // namespace brondel
