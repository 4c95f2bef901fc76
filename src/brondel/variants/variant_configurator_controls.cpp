// VariantConfigurator: the section's controls on panel 0 and the events they raise.
#include "brondel/variants/variant_configurator.h"

#include "brondel/console/coded_list.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"

#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/check.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/panel.h"

#include <iterator>

namespace brondel {

namespace {

// The field box down the right side of the panel: labels wide enough for most captions (a shorter label
// stands for the longest ones), fields wide enough for most coded entries.
constexpr int LabelWidth = 2550;
constexpr int FieldWidth = 3300;
constexpr int NarrowWidth = 600;   // two or three digits
constexpr int ValueWidth = 1200;   // the default value; its description follows
constexpr int Indent = 300;        // a check that depends on the one above
constexpr int CommandWidth = 2100;

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
    QVariant defaultValue = QVariant();
};

const EditDesign edits[] = {
    {"TXT_PROGR", "Progressivo dimensione", "MG5F_CODICEVAR", 2, NarrowWidth, false, false, false, false},
    {"TXT_DESCR", "Descrizone variante", "MG5F_DESCR_VAR", 36, FieldWidth, false, true, true},
    {"TXT_SIZE", "Dimensione ", "MG5F_SIZE", 2, NarrowWidth, true, false, false, false, QVariant::fromValue(qint16(2))},
    {"TXT_NUMINT", "Numero interi", "MG5F_NUMINT", 2, NarrowWidth, true},
    {"TXT_NUMDEC", "Numero decimali", "MG5F_NUMDEC", 2, NarrowWidth, true},
    {"TXT_POSINI", "Posizione iniziale per composizione descrizione", "MG5F_POSINIZDESCR", 3, NarrowWidth, true},
    {"TXT_POSFIN", "Posizione finale per composizione descrizione", "MG5F_POSFINDESCR", 3, NarrowWidth, true},
    {"TXT_SEQCOMP", "Sequenza di composizione descrizione", "MG5F_SEQDESCR", 2, NarrowWidth, true},
    {"TXT_VALDEFAULT", "Valore predefinito", "MG5F_VARDEFAULT", 22, ValueWidth, false, true},
};

struct CheckDesign {
    const char* name;
    const char* caption;
    const char* column;
    QVariant defaultValue;  // Empty: none
    bool enabled = true;
};

const CheckDesign checks[] = {
    {"CHK_RAG", "Raggruppamento", "MG5F_FLGRAGGR", QVariant::fromValue(qint16(0))},
    {"CHK_INTERVDB", "Gestione distinta base per intervalli di variante", "MG5F_FLGINTERVVAR",
     QVariant::fromValue(qint16(0))},
    {"CHK_FLGVARAUTO", "Variante automatica", "MG5F_FLGVARAUTO", QVariant::fromValue(qint16(0))},
    {"CHK_FLGCONFERMAVARAUTO", "Richiesta di conferma", "MG5F_FLGCONFERMAVARAUTO", QVariant::fromValue(qint16(1)),
     false},
    {"CHK_FLGDESCRVARAUTO", "Apertura opzioni in gestione collegata", "MG5F_FLGDESCRVARAUTO",
     QVariant::fromValue(qint16(1)), false},
    {"CHK_FLGOBBLIG", "Variante obbligatoria", "MG5F_FLGOBBLIG", QVariant()},
    {"CHK_FLGDEFAULT", "Valore predefinito", "MG5F_FLGDEFAULT", QVariant()},
    {"CHK_INDPROGCONFIG", "Variante riservata per configurazione", "MG5F_INDPROGCONFIG", QVariant::fromValue(qint16(0))},
};

// The rows of the field box, top to bottom.
enum class RowKind {
    Edit,            // label, edit
    Combo,           // label, coded combo
    Check,           // a check across both columns
    DependentCheck,  // the same, indented under the check it depends on
    CheckedValue,    // a check in the label column that switches on the edit beside it
};

struct Row {
    RowKind kind;
    const char* control;
    const char* label = nullptr;  // the label's text when the caption is too long for it
    const char* beside = nullptr;  // CheckedValue: the edit
};

const Row fieldRows[] = {
    {RowKind::Edit, "TXT_PROGR"},
    {RowKind::Edit, "TXT_DESCR"},
    {RowKind::Combo, "CBO_NATURA"},
    {RowKind::Edit, "TXT_SIZE"},
    {RowKind::Edit, "TXT_NUMINT"},
    {RowKind::Edit, "TXT_NUMDEC"},
    {RowKind::Check, "CHK_RAG"},
    {RowKind::Check, "CHK_INTERVDB"},
    {RowKind::Combo, "CBO_INDDESCR", "Composizione descrizione"},
    {RowKind::Combo, "CBO_INDPRCLIFOR", "Provenienza descr. cli/for"},
    {RowKind::Edit, "TXT_POSINI", "Posizione iniziale descr."},
    {RowKind::Edit, "TXT_POSFIN", "Posizione finale descr."},
    {RowKind::Edit, "TXT_SEQCOMP", "Sequenza composizione"},
    {RowKind::Combo, "CBO_GESTGRIGLIA"},
    {RowKind::Combo, "CBO_INDGENGRIDDOC", "Righe corpo documenti"},
    {RowKind::Combo, "CBO_VISCODDESCR", "Mostra codice/descrizione"},
    {RowKind::Combo, "CBO_INDEREDIBA"},
    {RowKind::Check, "CHK_FLGOBBLIG"},
    {RowKind::Check, "CHK_FLGVARAUTO"},
    {RowKind::DependentCheck, "CHK_FLGCONFERMAVARAUTO"},
    {RowKind::DependentCheck, "CHK_FLGDESCRVARAUTO"},
    {RowKind::CheckedValue, "CHK_FLGDEFAULT", nullptr, "TXT_VALDEFAULT"},
    {RowKind::Check, "CHK_INDPROGCONFIG"},
};

constexpr int RowCount = int(std::size(fieldRows));

// A control's design with its caption.
host::ControlDesign design(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                           std::shared_ptr<host::Control> parent, const QString& caption = QString()) {
    host::ControlDesign result = FRMMG_BRONDEL::design(name, kind, geometry, std::move(parent));
    result.caption = caption;
    return result;
}

const EditDesign& editDesign(const char* name) {
    for (const EditDesign& edit : edits) {
        if (qstrcmp(edit.name, name) == 0)
            return edit;
    }
    throw automation::Error::fromNumber(automation::errors::ItemNotFound, QString::fromLatin1(name));
}

const CheckDesign& checkDesign(const char* name) {
    for (const CheckDesign& check : checks) {
        if (qstrcmp(check.name, name) == 0)
            return check;
    }
    throw automation::Error::fromNumber(automation::errors::ItemNotFound, QString::fromLatin1(name));
}

// LBL_ and the control's name without its kind: LBL_PROGR for TXT_PROGR.
QString labelName(const char* control) { return QStringLiteral("LBL_") + QString::fromLatin1(control).mid(4); }

host::Geometry narrowed(host::Geometry geometry, int width) {
    geometry.width = width;
    return geometry;
}

}  // namespace

void VariantConfigurator::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Right, RowCount, 1, LabelWidth, FieldWidth);
    const auto box = form_.createControl<host::GroupBox>(
        design("GRB_CONFIGVAR", ControlKind::GroupBox, layout.fieldBox(), panel, "Dimensione della variante"));
    createFields(box, layout);

    form_.createControl<host::Grid>(design("GRD_CONFIGVAR", ControlKind::Grid, layout.grid(), panel));
    form_.createControl<host::GridNavigator>(
        design("GNV_CONFIGVAR", ControlKind::GridNavigator, layout.navigator(), panel));
    host::Geometry command = layout.button(0);
    command.left -= CommandWidth - command.width;
    command.width = CommandWidth;
    form_.createControl<host::Button>(design("CmdDel", ControlKind::Button, command, panel, "Elimina configuratore"));

    connectControls();
}

void VariantConfigurator::createFields(const std::shared_ptr<host::Control>& box, const FormLayout& layout) {
    using host::ControlKind;
    const auto createEdit = [&](const char* name, const host::Geometry& field) {
        const EditDesign& edit = editDesign(name);
        host::ControlDesign control =
            design(edit.name, ControlKind::Edit, narrowed(field, edit.width), box, QString::fromUtf8(edit.caption));
        control.maxLength = edit.maxLength;
        control.boundColumn = edit.column;
        control.numeric = edit.numeric;
        control.upperCase = edit.upperCase;
        control.mandatory = edit.mandatory;
        control.enabled = edit.enabled;
        control.defaultValue = edit.defaultValue;
        form_.createControl<host::Edit>(control);
        return QString::fromUtf8(edit.caption);
    };
    const auto createCheck = [&](const char* name, const host::Geometry& at) {
        const CheckDesign& check = checkDesign(name);
        host::ControlDesign control = design(check.name, ControlKind::Check, at, box, QString::fromUtf8(check.caption));
        control.boundColumn = check.column;
        control.defaultValue = check.defaultValue;
        control.enabled = check.enabled;
        form_.createControl<host::Check>(control);
    };

    for (int row = 0; row < RowCount; ++row) {
        const Row& line = fieldRows[row];
        const host::Geometry label = layout.label(row);
        const host::Geometry field = layout.field(row);
        host::Geometry across = label;
        across.width = field.left + field.width - label.left;
        QString caption;
        switch (line.kind) {
        case RowKind::Edit:
            caption = createEdit(line.control, field);
            break;
        case RowKind::Combo:
            caption = form_.createCodedCombo(line.control, box, field)->caption();
            break;
        case RowKind::Check:
            createCheck(line.control, across);
            continue;
        case RowKind::DependentCheck:
            across.left += Indent;
            across.width -= Indent;
            createCheck(line.control, across);
            continue;
        case RowKind::CheckedValue: {
            createCheck(line.control, label);
            createEdit(line.beside, field);
            const int left = field.left + ValueWidth + FormLayout::Margin;
            form_.createControl<host::Label>(
                design("LBL_DECVAR", ControlKind::Label, {left, field.top, field.left + field.width - left, field.height}, box));
            continue;
        }
        }
        form_.createControl<host::Label>(design(labelName(line.control), ControlKind::Label, label, box,
                                                line.label ? QString::fromUtf8(line.label) : caption));
    }
}

}  // namespace brondel
