// VariantConfigurator: the section's controls on panel 0 and the events they raise.
#include "brondel/variants/variant_configurator.h"

#include "brondel/console/field_box.h"
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
constexpr int NarrowWidth = 600;  // two or three digits
constexpr int ValueWidth = 1200;  // the default value; its description follows
constexpr int CommandWidth = 2100;

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
    {"CHK_INDPROGCONFIG", "Variante riservata per configurazione", "MG5F_INDPROGCONFIG",
     QVariant::fromValue(qint16(0))},
};

// The rows of the field box, top to bottom.
using Kind = FieldRow::Kind;

const FieldRow fieldRows[] = {
    {Kind::Edit, "TXT_PROGR"},
    {Kind::Edit, "TXT_DESCR"},
    {Kind::Combo, "CBO_NATURA"},
    {Kind::Edit, "TXT_SIZE"},
    {Kind::Edit, "TXT_NUMINT"},
    {Kind::Edit, "TXT_NUMDEC"},
    {Kind::Check, "CHK_RAG"},
    {Kind::Check, "CHK_INTERVDB"},
    {Kind::Combo, "CBO_INDDESCR", "Composizione descrizione"},
    {Kind::Combo, "CBO_INDPRCLIFOR", "Provenienza descr. cli/for"},
    {Kind::Edit, "TXT_POSINI", "Posizione iniziale descr."},
    {Kind::Edit, "TXT_POSFIN", "Posizione finale descr."},
    {Kind::Edit, "TXT_SEQCOMP", "Sequenza composizione"},
    {Kind::Combo, "CBO_GESTGRIGLIA"},
    {Kind::Combo, "CBO_INDGENGRIDDOC", "Righe corpo documenti"},
    {Kind::Combo, "CBO_VISCODDESCR", "Mostra codice/descrizione"},
    {Kind::Combo, "CBO_INDEREDIBA"},
    {Kind::Check, "CHK_FLGOBBLIG"},
    {Kind::Check, "CHK_FLGVARAUTO"},
    {Kind::DependentCheck, "CHK_FLGCONFERMAVARAUTO"},
    {Kind::DependentCheck, "CHK_FLGDESCRVARAUTO"},
    {Kind::CheckedValue, "CHK_FLGDEFAULT", nullptr, "TXT_VALDEFAULT", "LBL_DECVAR"},
    {Kind::Check, "CHK_INDPROGCONFIG"},
};

constexpr int RowCount = int(std::size(fieldRows));

}  // namespace

void VariantConfigurator::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Right, RowCount, 1, LabelWidth, FieldWidth);
    const auto box = form().createControl<host::GroupBox>(designWithCaption(
        "GRB_CONFIGVAR", ControlKind::GroupBox, layout.fieldBox(), panel, "Dimensione della variante"));
    createFieldRows(form(), box, layout, {fieldRows, edits, checks});

    form().createControl<host::Grid>(FRMMG_BRONDEL::design("GRD_CONFIGVAR", ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design("GNV_CONFIGVAR", ControlKind::GridNavigator, layout.navigator(), panel));
    host::Geometry command = layout.button(0);
    command.left -= CommandWidth - command.width;
    command.width = CommandWidth;
    form().createControl<host::Button>(
        designWithCaption("CmdDel", ControlKind::Button, command, panel, "Elimina configuratore"));

    connectControls();
}

}  // namespace brondel
