// ArticleConfigurator: the section's controls on panel 7, the fields that follow the treatment and the
// length, the Enter key, the navigator's buttons and the delete of the whole configurator.
#include "brondel/articles/article_configurator.h"

#include "brondel/articles/article_statements.h"
#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"

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

struct EditDesign {
    const char* name;
    const char* caption;
    const char* column;
    int maxLength;
    int width;
    bool numeric;
    bool mandatory;
    bool enabled;
    QVariant defaultValue;
};

// The field rows, top to bottom; a row without an edit design holds the coded combo of that name.
const char* const fieldRows[] = {"TXT_PROGRCONFART", "TXT_DESCRCONFART", "TXT_SIZECONFART",
                                 "CBO_TRATTAMENTO",  "TXT_ULTPROG",      "CBO_INDALLIN"};

const EditDesign edits[] = {
    {"TXT_PROGRCONFART", "Progressivo", "MG6F_PROGR", 2, NarrowWidth, false, false, false, QVariant()},
    {"TXT_DESCRCONFART", "Descrizione", "MG6F_DESCR", 36, FieldWidth, false, true, true, QVariant()},
    {"TXT_SIZECONFART", "Lunghezza", "MG6F_SIZE", 2, NarrowWidth, true, true, true, QVariant()},
    // A new sub-code is no absolute counter: its last number starts at 0.
    {"TXT_ULTPROG", "Ultimo progressivo", "MG6F_ULTPROG", 8, NumberWidth, true, true, false,
     QVariant::fromValue(qint16(0))},
};

const EditDesign* editDesign(const char* name) {
    for (const EditDesign& edit : edits) {
        if (qstrcmp(edit.name, name) == 0)
            return &edit;
    }
    return nullptr;
}

host::ControlDesign design(const QString& name, host::ControlKind kind, const host::Geometry& geometry,
                           std::shared_ptr<host::Control> parent, const QString& caption = QString(), int index = -1) {
    host::ControlDesign result = FRMMG_BRONDEL::design(name, kind, geometry, std::move(parent), index);
    result.caption = caption;
    return result;
}

const QString confirmDelete = QStringLiteral("Confermi l'eliminazione di tutte le righe del configuratore articolo?");
const QString valuesExist =
    QStringLiteral("Prima di poter procedere all'eliminazione del Configuratore occorre eliminare") +
    QStringLiteral("\r\n") + QStringLiteral("i subcodici esistenti nel programma \"Subcodici articoli di magazzino\"") +
    QStringLiteral("\r\n") + QStringLiteral("\r\n");

}  // namespace

void ArticleConfigurator::createControls(const std::shared_ptr<host::Panel>& panel) {
    using host::ControlKind;
    const int rowCount = int(std::size(fieldRows));
    const FormLayout layout(FormLayout::FieldSide::Right, rowCount, 1, LabelWidth, FieldWidth);
    // The resize table knows the field box as the second of its control array.
    const auto box = form_.createControl<host::GroupBox>(
        design("GRB_CONFIGART", ControlKind::GroupBox, layout.fieldBox(), panel, "Subcodice dell'articolo", 1));
    for (int row = 0; row < rowCount; ++row) {
        const char* name = fieldRows[row];
        host::Geometry field = layout.field(row);
        QString caption;
        if (const EditDesign* edit = editDesign(name)) {
            field.width = edit->width;
            host::ControlDesign control =
                design(edit->name, ControlKind::Edit, field, box, QString::fromUtf8(edit->caption));
            control.maxLength = edit->maxLength;
            control.boundColumn = edit->column;
            control.numeric = edit->numeric;
            control.mandatory = edit->mandatory;
            control.enabled = edit->enabled;
            control.defaultValue = edit->defaultValue;
            caption = form_.createControl<host::Edit>(control)->caption();
        } else {
            caption = form_.createCodedCombo(QString::fromLatin1(name), box, field)->caption().trimmed();
        }
        form_.createControl<host::Label>(design(QStringLiteral("LBL_") + QString::fromLatin1(name).mid(4),
                                                ControlKind::Label, layout.label(row), box, caption));
    }

    form_.createControl<host::Grid>(design("GRD_CONFIGART", ControlKind::Grid, layout.grid(), panel));
    form_.createControl<host::GridNavigator>(
        design("GNV_CONFIGART", ControlKind::GridNavigator, layout.navigator(), panel));
    host::Geometry command = layout.button(0);
    command.left -= CommandWidth - command.width;
    command.width = CommandWidth;
    form_.createControl<host::Button>(
        design("CMD_ELIMINACONFART", ControlKind::Button, command, panel, "Elimina configuratore"));

    connectControls();
}

void ArticleConfigurator::connectControls() {
    connect(control<host::Grid>("GRD_CONFIGART")->DataFormatEXT, this, &ArticleConfigurator::GRD_CONFIGART_DataFormatEXT);
    connect(control<host::GridNavigator>("GNV_CONFIGART")->AfterButtonClick, this,
            &ArticleConfigurator::GNV_CONFIGART_AfterButtonClick);
    connect(control<host::Button>("CMD_ELIMINACONFART")->Click, this, &ArticleConfigurator::CMD_ELIMINACONFART_Click);
    const auto length = control<host::Edit>("TXT_SIZECONFART");
    connect(length->AfterItem, this, &ArticleConfigurator::TXT_SIZECONFART_AfterItem);
    connect(length->Change, this, &ArticleConfigurator::TXT_SIZECONFART_Change);
    connect(control<host::Edit>("TXT_ULTPROG")->AfterItem, this, &ArticleConfigurator::TXT_ULTPROG_AfterItem);
    const auto treatment = control<host::Combo>("CBO_TRATTAMENTO");
    connect(treatment->ChangeRow, this, &ArticleConfigurator::CBO_TRATTAMENTO_ChangeRow);
    connect(treatment->KeyDown, this, &ArticleConfigurator::CBO_TRATTAMENTO_KeyDown);
    connect(control<host::Combo>("CBO_INDALLIN")->KeyDown, this, &ArticleConfigurator::CBO_INDALLIN_KeyDown);
}

void ArticleConfigurator::GNV_CONFIGART_AfterButtonClick(bool success, const QString& caption) {
    automation::reraise("GNV_CONFIGART_AfterButtonClick", [&] {
        // A refused save keeps the focus on the field at fault.
        if (!success)
            return;
        if (caption == button::New) {
            focus(control<host::Edit>("TXT_DESCRCONFART"));
        } else if (caption == button::Save) {
            focus(control<host::Grid>("GRD_CONFIGART"));
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
        if (hasRow(execute(ArticleStatements::subCodeValues(company())))) {
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
        const std::shared_ptr<ado::Recordset> reopened = required(RstConfigArt);
        if (reopened->isOpen())
            reopened->close();
        reopened->open(ArticleStatements::configuratorRows(company()), required(form_.ConsoleConnection));
        if (!hasRow(reopened)) {
            MaxProgr();
            current->setRecordset(reopened);
            current->setStatus(host::frame_status::Adding);
        }
        control<host::Grid>("GRD_CONFIGART")->setDataSource(reopened);
        // Without sub-codes and with the warehouse flag off, the sub-code sections are off.
        form_.AggiornaStatoAbilitazioneVociSidebar();
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
