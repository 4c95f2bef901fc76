// ArticleConfigurator: the section's controls on panel 7, the fields that follow the treatment and the
// length, the Enter key, the navigator's buttons and the delete of the whole configurator.
#include "brondel/articles/article_configurator.h"

#include "brondel/articles/article_statements.h"
#include "brondel/console/field_box.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/group_box.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <algorithm>

namespace brondel {

namespace button = host::navigator_button;

namespace {

constexpr int NarrowWidth = 600;   // two digits
constexpr int NumberWidth = 1200;  // the last number, up to eight digits
constexpr int LabelWidth = 2550;   // "Trattamento del subcodice"
constexpr int FieldWidth = 3150;   // "Nessun allineamento a destra"
constexpr int CommandWidth = 2100;
// The widest last number TXT_ULTPROG shows, whatever the sub-code's length.
constexpr int MaxLastNumberDigits = 17;

// The field rows, top to bottom, and the edits among them.
const FieldRow fieldRows[] = {
    {FieldRow::Kind::Edit, "TXT_PROGRCONFART"}, {FieldRow::Kind::Edit, "TXT_DESCRCONFART"},
    {FieldRow::Kind::Edit, "TXT_SIZECONFART"},  {FieldRow::Kind::Combo, "CBO_TRATTAMENTO"},
    {FieldRow::Kind::Edit, "TXT_ULTPROG"},      {FieldRow::Kind::Combo, "CBO_INDALLIN"},
};

const EditDesign edits[] = {
    {"TXT_PROGRCONFART", "Progressivo", "MG6F_PROGR", 2, NarrowWidth, false, false, false, false},
    {"TXT_DESCRCONFART", "Descrizione", "MG6F_DESCR", 36, FieldWidth, false, false, true},
    {"TXT_SIZECONFART", "Lunghezza", "MG6F_SIZE", 2, NarrowWidth, true, false, true},
    // A new sub-code is no absolute counter: its last number starts at 0.
    {"TXT_ULTPROG", "Ultimo progressivo", "MG6F_ULTPROG", 8, NumberWidth, true, false, true, false,
     QVariant::fromValue(qint16(0))},
};

const QString confirmDelete = QStringLiteral("Confermi l'eliminazione di tutte le righe del configuratore articolo?");
const QString valuesExist =
    QStringLiteral("Prima di poter procedere all'eliminazione del Configuratore occorre eliminare") +
    QStringLiteral("\r\n") + QStringLiteral("i subcodici esistenti nel programma \"Subcodici articoli di magazzino\"") +
    QStringLiteral("\r\n") + QStringLiteral("\r\n");

}  // namespace

void ArticleConfigurator::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const FormLayout layout(FormLayout::FieldSide::Right, int(std::size(fieldRows)), 1, LabelWidth, FieldWidth);
    // The resize table knows the field box as the second of its control array.
    host::ControlDesign boxDesign =
        FRMMG_BRONDEL::design(QStringLiteral("GRB_CONFIGART"), ControlKind::GroupBox, layout.fieldBox(), panel, 1);
    boxDesign.caption = QStringLiteral("Subcodice dell'articolo");
    const auto box = form().createControl<host::GroupBox>(boxDesign);
    createFieldRows(form(), box, layout, {fieldRows, edits, {}});

    form().createControl<host::Grid>(
        FRMMG_BRONDEL::design(QStringLiteral("GRD_CONFIGART"), ControlKind::Grid, layout.grid(), panel));
    form().createControl<host::GridNavigator>(
        FRMMG_BRONDEL::design(QStringLiteral("GNV_CONFIGART"), ControlKind::GridNavigator, layout.navigator(), panel));
    host::Geometry command = layout.button(0);
    command.left -= CommandWidth - command.width;
    command.width = CommandWidth;
    form().createControl<host::Button>(designWithCaption(QStringLiteral("CMD_ELIMINACONFART"), ControlKind::Button,
                                                         command, panel, QStringLiteral("Elimina configuratore")));

    connectControls();
}

void ArticleConfigurator::connectControls() {
    connect(control<host::Grid>("GRD_CONFIGART")->DataFormatEXT, &ArticleConfigurator::GRD_CONFIGART_DataFormatEXT);
    connect(control<host::GridNavigator>("GNV_CONFIGART")->AfterButtonClick,
            &ArticleConfigurator::GNV_CONFIGART_AfterButtonClick);
    connect(control<host::Button>("CMD_ELIMINACONFART")->Click, &ArticleConfigurator::CMD_ELIMINACONFART_Click);
    const auto length = control<host::Edit>("TXT_SIZECONFART");
    connect(length->AfterItem, &ArticleConfigurator::TXT_SIZECONFART_AfterItem);
    connect(length->Change, &ArticleConfigurator::TXT_SIZECONFART_Change);
    connect(control<host::Edit>("TXT_ULTPROG")->AfterItem, &ArticleConfigurator::TXT_ULTPROG_AfterItem);
    const auto treatment = control<host::Combo>("CBO_TRATTAMENTO");
    connect(treatment->ChangeRow, &ArticleConfigurator::CBO_TRATTAMENTO_ChangeRow);
    connect(treatment->KeyDown, &ArticleConfigurator::CBO_TRATTAMENTO_KeyDown);
    connect(control<host::Combo>("CBO_INDALLIN")->KeyDown, &ArticleConfigurator::CBO_INDALLIN_KeyDown);
}

void ArticleConfigurator::GNV_CONFIGART_AfterButtonClick(bool success, const QString& caption) {
    automation::reraise("GNV_CONFIGART_AfterButtonClick", [&] {
        // A refused save keeps the focus on the field at fault.
        if (!success)
            return;
        if (caption == button::New) {
            focusIfEnabled(QStringLiteral("TXT_DESCRCONFART"));
        } else if (caption == button::Save) {
            focusIfEnabled(QStringLiteral("GRD_CONFIGART"));
        } else if (caption == button::Undo) {
            const double length = automation::cdbl(number(control<host::Edit>("TXT_SIZECONFART")->text()));
            if (length > 0)
                TotaleLunghezze = automation::cint(TotaleLunghezze - length);
        }
    });
}

void ArticleConfigurator::CMD_ELIMINACONFART_Click() {
    automation::reraise("CMD_ELIMINACONFART_Click", [this] {
        const qint32 answer = showMessage(confirmDelete, host::message_style::YesNo + host::message_style::Information,
                                          QStringLiteral("Informazione"));
        if (answer == host::message_answer::No)
            return;
        if (returnsRow(ArticleStatements::subCodeValues(company()))) {
            showMessage(valuesExist, host::message_style::Critical, QStringLiteral("Attenzione"));
            return;
        }
        allOrNothing([this] {
            execute(ArticleStatements::deleteConfigurator(company()));
            execute(ArticleStatements::clearSubCodesFlag(company()));
        });

        const std::shared_ptr<host::VirtualFrame> current = frame();
        // A sub-code being added or edited goes with the rest.
        if (current->status() != host::frame_status::Browse)
            current->setStatus(host::frame_status::Browse);
        const std::shared_ptr<ado::Recordset> reopened = required(frame_.recordset());
        if (reopened->isOpen())
            reopened->close();
        reopened->open(ArticleStatements::configuratorRows(company()), connection());
        if (!hasCurrentRow(reopened)) {
            MaxProgr();
            current->setRecordset(reopened);
            current->setStatus(host::frame_status::Adding);
        }
        control<host::Grid>("GRD_CONFIGART")->setDataSource(reopened);
        // Without sub-codes and with the warehouse flag off, the sub-code sections are off.
        refreshSidebar();
    });
}

void ArticleConfigurator::sizeLastNumber() {
    const int length = automation::cint(number(control<host::Edit>("TXT_SIZECONFART")->text()));
    if (length <= 0)
        return;
    const auto lastNumber = control<host::Edit>("TXT_ULTPROG");
    lastNumber->setDisplayLength(length);
    lastNumber->setMaxLength(std::min(length, MaxLastNumberDigits));
}

void ArticleConfigurator::TXT_SIZECONFART_AfterItem(bool&) {
    automation::reraise("TXT_SIZECONFART_AfterItem", [this] {
        // A length typed again is checked again on save.
        control<host::Edit>("TXT_SIZECONFART")->setValid(true);
        sizeLastNumber();
    });
}

void ArticleConfigurator::TXT_SIZECONFART_Change() {
    automation::reraise("TXT_SIZECONFART_Change", [this] { sizeLastNumber(); });
}

void ArticleConfigurator::TXT_ULTPROG_AfterItem(bool&) {
    automation::reraise("TXT_ULTPROG_AfterItem", [this] {
        const auto lastNumber = control<host::Edit>("TXT_ULTPROG");
        lastNumber->setValid(automation::cdbl(number(lastNumber->text())) >= 0);
    });
}

void ArticleConfigurator::CBO_TRATTAMENTO_ChangeRow() {
    automation::reraise("CBO_TRATTAMENTO_ChangeRow", [this] {
        const double treatment = automation::cdbl(number(control<host::Combo>("CBO_TRATTAMENTO")->text()));
        const auto lastNumber = control<host::Edit>("TXT_ULTPROG");
        const auto alignment = control<host::Combo>("CBO_INDALLIN");
        const bool absolute = treatment == 2;
        lastNumber->setEnabled(absolute);
        lastNumber->setTabStop(absolute);
        if (!absolute) {
            lastNumber->setText(QStringLiteral("0"));
            // "0" is a valid last number: a mark left by a negative one goes.
            lastNumber->setValid(true);
            alignment->setEnabled(true);
        }
        if (treatment >= 2) {
            // Counters are always right-aligned.
            alignment->setText(QStringLiteral("1"));
            alignment->setEnabled(false);
        }
    });
}

void ArticleConfigurator::confirmByEnter(int& keyCode, int shift) {
    if (keyCode != host::key::Return || (shift & host::key::ShiftMask) != 0)
        return;
    const auto navigator = control<host::GridNavigator>("GNV_CONFIGART");
    navigator->pressButton(frame()->status() == host::frame_status::Adding ? button::New : button::Save);
}

void ArticleConfigurator::CBO_TRATTAMENTO_KeyDown(int& keyCode, int shift) {
    automation::reraise("CBO_TRATTAMENTO_KeyDown", [&] {
        if (!control<host::Combo>("CBO_INDALLIN")->isEnabled() && !control<host::Edit>("TXT_ULTPROG")->isEnabled())
            confirmByEnter(keyCode, shift);
    });
}

void ArticleConfigurator::CBO_INDALLIN_KeyDown(int& keyCode, int shift) {
    automation::reraise("CBO_INDALLIN_KeyDown", [&] { confirmByEnter(keyCode, shift); });
}

}  // namespace brondel
