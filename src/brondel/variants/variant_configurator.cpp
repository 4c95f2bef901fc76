// VariantConfigurator: the frame and grid set-up, the display of codes and coded values, and the look-ups
// over the company's dimensions that this section and the others use.
#include "brondel/variants/variant_configurator.h"

#include "brondel/console/coded_list.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/check.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/data_format.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/translator.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brondel {

using automation::ifElse;

namespace {

const QString codeColumn = QStringLiteral("MG5F_CODICEVAR");

// The edit controls the frame binds, in order; the first is its key control.
const char* const boundControls[] = {
    "TXT_PROGR",
    "TXT_DESCR",
    "CBO_NATURA",
    "TXT_SIZE",
    "TXT_NUMINT",
    "TXT_NUMDEC",
    "CHK_RAG",
    "CHK_INTERVDB",
    "CBO_INDDESCR",
    "CBO_INDPRCLIFOR",
    "TXT_POSINI",
    "TXT_POSFIN",
    "TXT_SEQCOMP",
    "CBO_GESTGRIGLIA",
    "CBO_INDGENGRIDDOC",
    "CBO_VISCODDESCR",
    "CHK_FLGVARAUTO",
    "CHK_FLGCONFERMAVARAUTO",
    "CHK_FLGDESCRVARAUTO",
    "CHK_FLGOBBLIG",
    "CHK_FLGDEFAULT",
    "TXT_VALDEFAULT",
    "CBO_INDEREDIBA",
    "CHK_INDPROGCONFIG",
};

const GridColumn gridColumns[] = {
    {"MG5F_CODICEVAR", "Progr.", 1185, true},
    {"MG5F_DESCR_VAR", "Descrizione", 1950, true},
    {"MG5F_INDNATURA", "Nat.", 1110, true},
    {"MG5F_SIZE", "Dim.", 495, true},
    {"MG5F_NUMDEC", "Dec.", 510, true},
    {"MG5F_FLGRAGGR", "Raggr.", 675, true},
    {"MG5F_FLGINTERVVAR", "Intervalli", 1080, true},
    {"MG5F_INDDESCRART", "Composizione .descrizione", 2655, true},
    {"MG5F_POSINIZDESCR", "Pos.in.", 690, true},
    {"MG5F_POSFINDESCR", "Pos.fin.", 750, true},
    {"MG5F_SEQDESCR", "Seq.", 540, true},
    {"MG5F_INDGRIGLIA", "Gestione griglia", 2835, true},
    {"MG5F_INDMOSTRACOD", "Mostra cod/descr", 1635, true},
    {"MG5F_FLGVARAUTO", "Var.aut.", 885, true},
    {"MG5F_FLGOBBLIG", "Obblig.", 690, true},
    {"MG5F_FLGDEFAULT", "Def.", 495, true},
    {"MG5F_VARDEFAULT", "Val. def.", 795, true},
    {"MG5F_INDEREDIBA", "Variante su distinta base", 2295, true},
    {"MG5F_INDPROGCONFIG", "Riservata", 870, true},
    {"MG5F_FLGCONFERMAVARAUTO", "Conf.Var.Auto", 885, false},
    {"MG5F_FLGDESCRVARAUTO", "Descr. Var.aut.", 885, false},
};

// Flags the grid shows as "No" (0) and "Si" (any other value).
const char* const flagColumns[] = {"MG5F_FLGRAGGR",   "MG5F_FLGDEFAULT",   "MG5F_FLGOBBLIG",
                                   "MG5F_FLGVARAUTO", "MG5F_FLGINTERVVAR", "MG5F_INDPROGCONFIG"};

// Where the options of a grouping may be in use, with the label the message gives each.
struct OptionUseCheck {
    VariantStatements::OptionUse use;
    const char* label;
};

const std::array<OptionUseCheck, 3> optionUseChecks = {{
    {VariantStatements::OptionUse::DocumentArticle, "Articolo di un documento"},
    {VariantStatements::OptionUse::BillOfMaterialsArticle, "Articolo con distinta base"},
    {VariantStatements::OptionUse::ComponentArticle, "Articolo presente in una distinta base"},
}};

}  // namespace

VariantConfigurator::VariantConfigurator(FRMMG_BRONDEL& form)
    : ConsoleSection(form, 0), frame_(addFrame("DTS_Configurazione_Varianti")) {}

VariantConfigurator::~VariantConfigurator() = default;

std::shared_ptr<host::VirtualFrame> VariantConfigurator::frame() const { return frame_.required(); }

std::shared_ptr<ado::Recordset> VariantConfigurator::rows() const { return required(frame()->recordset()); }

std::shared_ptr<host::Edit> VariantConfigurator::edit(const char* name) const {
    return control<host::Edit>(QString::fromLatin1(name));
}

std::shared_ptr<host::Combo> VariantConfigurator::combo(const char* name) const {
    return control<host::Combo>(QString::fromLatin1(name));
}

std::shared_ptr<host::Check> VariantConfigurator::check(const char* name) const {
    return control<host::Check>(QString::fromLatin1(name));
}

void VariantConfigurator::initGrids() { INITGRID_CONFIGVAR(); }

void VariantConfigurator::configure() {
    const std::shared_ptr<host::DataFormat> format = required(form().progressiveFormat());
    connect(format->Format, &VariantConfigurator::PfmtProg_Format);
    connect(format->UnFormat, &VariantConfigurator::PfmtProg_UnFormat);
    ConfigurazioneVirtualFrame();
}

void VariantConfigurator::show() { MostraItemLottiParametriGenerali(); }

void VariantConfigurator::connectControls() {
    connect(control<host::Grid>("GRD_CONFIGVAR")->DataFormatEXT, &VariantConfigurator::GRD_CONFIGVAR_DataFormatEXT);
    connect(control<host::Button>("CmdDel")->Click, &VariantConfigurator::CmdDel_Click);
    connect(check("CHK_INDPROGCONFIG")->AfterItem, &VariantConfigurator::CHK_INDPROGCONFIG_AfterItem);
    connect(combo("CBO_NATURA")->ChangeRow, &VariantConfigurator::CBO_NATURA_ChangeRow);
    connect(combo("CBO_INDDESCR")->ChangeRow, &VariantConfigurator::CBO_INDDESCR_ChangeRow);
    connect(combo("CBO_GESTGRIGLIA")->ChangeRow, &VariantConfigurator::CBO_GESTGRIGLIA_ChangeRow);
    connect(check("CHK_FLGVARAUTO")->Click, &VariantConfigurator::CHK_FLGVARAUTO_Click);
    connect(check("CHK_FLGDEFAULT")->Click, &VariantConfigurator::CHK_FLGDEFAULT_Click);
    connect(edit("TXT_VALDEFAULT")->StartLookup, &VariantConfigurator::TXT_VALDEFAULT_StartLookup);
    connect(edit("TXT_VALDEFAULT")->StartDecode, &VariantConfigurator::TXT_VALDEFAULT_StartDecode);
}

void VariantConfigurator::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, &VariantConfigurator::FME_CONFIGVARIANTI_BeforeAddNew);
    connect(frame.AfterAddNew, &VariantConfigurator::FME_CONFIGVARIANTI_AfterAddNew);
    connect(frame.ChangeStatus, &VariantConfigurator::FME_CONFIGVARIANTI_ChangeStatus);
    connect(frame.BeforeUpdate, &VariantConfigurator::FME_CONFIGVARIANTI_BeforeUpdate);
    connect(frame.AfterUpdate, &VariantConfigurator::FME_CONFIGVARIANTI_AfterUpdate);
    connect(frame.BeforeDelete, &VariantConfigurator::FME_CONFIGVARIANTI_BeforeDelete);
    connect(frame.AfterDelete, &VariantConfigurator::FME_CONFIGVARIANTI_AfterDelete);
    connect(frame.BeforeUndo, &VariantConfigurator::FME_CONFIGVARIANTI_BeforeUndo);
    connect(frame.AfterUndo, &VariantConfigurator::FME_CONFIGVARIANTI_AfterUndo);
    connect(frame.RowShown, &VariantConfigurator::FME_CONFIGVARIANTI_RowShown);
}

void VariantConfigurator::ConfigurazioneVirtualFrame() {
    automation::reraise("ConfigurazioneVirtualFrame", [this] {
        FrameDesign design{VariantStatements::frameRows(company()),
                           QStringLiteral("GRD_CONFIGVAR"),
                           QStringLiteral("GNV_CONFIGVAR"),
                           {},
                           QStringLiteral("TXT_PROGR")};
        for (const char* name : boundControls)
            design.controls.push_back(
                {QString::fromLatin1(name), qstrcmp(name, "TXT_PROGR") == 0 ? form().progressiveFormat() : nullptr});
        frame_.build(form(), design, [this](host::VirtualFrame& created) { connectFrame(created); });
        frame()->setStatus(hasCurrentRow(frame_.recordset()) ? host::frame_status::Browse : host::frame_status::Adding);
    });
}

void VariantConfigurator::INITGRID_CONFIGVAR() {
    automation::reraise("INITGRID_CONFIGVAR",
                        [this] { defineGridColumns(QStringLiteral("GRD_CONFIGVAR"), codeColumn, gridColumns); });
}

void VariantConfigurator::MostraItemLottiParametriGenerali() {
    showPanel();
    activate(frame_);
    const auto grid = control<host::Grid>("GRD_CONFIGVAR");
    if (grid->canTakeFocus())
        grid->setFocus();
}

void VariantConfigurator::GRD_CONFIGVAR_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_CONFIGVAR_DataFormatEXT", [&] {
        if (field == codeColumn) {
            value = VariantCode::CodiceToProgressivo(value);
            return;
        }
        if (automation::isNull(value) || automation::isEmpty(value))
            return;
        for (const char* flag : flagColumns) {
            if (field == QLatin1String(flag)) {
                value = translate(automation::cdbl(value) == 0 ? QStringLiteral("No") : QStringLiteral("Si"));
                return;
            }
        }
        if (const std::optional<QString> label = codedText(field, value))
            value = translate(*label);
    });
}

void VariantConfigurator::PfmtProg_Format(QVariant& value) {
    value = automation::isNull(value) ? QString() : VariantCode::CodiceToProgressivo(value);
}

void VariantConfigurator::PfmtProg_UnFormat(QVariant& value) {
    value = automation::isNull(value) ? QString() : VariantCode::ProgressivoToCodice(value);
}

qint16 VariantConfigurator::NuovoProgressivo() {
    return automation::reraise("NuovoProgressivo", [this] {
        const QVariant highest = firstValue(VariantStatements::highestCode(company()), QStringLiteral("MAXPROG"));
        if (automation::isEmpty(highest))
            return qint16(0);
        return automation::cint(VariantCode::CodiceToProgressivo(highest));
    });
}

qint16 VariantConfigurator::SumSize() {
    return automation::reraise("SumSize", [this] {
        return automation::cint(firstValue(VariantStatements::sizeTotal(company()), QStringLiteral("SUMSIZE"), 0));
    });
}

qint16 VariantConfigurator::Posizione(const QVariant& code) {
    return automation::reraise("Posizione", [&] {
        const std::shared_ptr<ado::Recordset> ordered = rows()->clone();
        ordered->setSort(QStringLiteral("MG5F_CODICEVAR ASC"));
        ordered->moveFirst();
        qint32 position = 0;
        const QString wanted = automation::cstr(code);
        for (; !ordered->isEof(); ordered->moveNext()) {
            if (automation::cstr(ordered->value(codeColumn)) == wanted)
                return automation::cint(position + 1);
            position += automation::clng(ordered->value(QStringLiteral("MG5F_SIZE")));
        }
        return automation::cint(position);
    });
}

qint16 VariantConfigurator::MaxSizeValore(const QString& code) {
    return automation::reraise("MaxSizeValore", [&] {
        return automation::cint(
            firstValue(VariantStatements::optionSize(company(), code), QStringLiteral("MG5F_SIZE"), 0));
    });
}

QString VariantConfigurator::Decode_CODICEVAR_MG5F(QString& code) {
    return automation::reraise("Decode_CODICEVAR_MG5F", [&] {
        const QString rank = VariantCode::CodiceToProgressivo(code);
        const QVariant description =
            firstValue(VariantStatements::description(company(), code), QStringLiteral("MG5F_DESCR_VAR"));
        if (automation::isEmpty(description))
            return rank;
        return rank + QStringLiteral(" - ") + automation::cstr(description);
    });
}

bool VariantConfigurator::ControlloValiditaEliminazione(const QString& variant, const QString& grouping,
                                                        const QString& optionList) {
    bool valid = false;
    std::array<bool, optionUseChecks.size()> used{};
    QString message;
    const auto query = [&](std::size_t i) {
        used[i] = returnsRow(
            VariantStatements::optionsInUse(optionUseChecks[i].use, company(), variant, grouping, optionList));
    };
    const auto inUse = [&used] { return std::find(used.begin(), used.end(), true) != used.end(); };
    automation::runSteps(
        "ControlloValiditaEliminazione", errorBox(),
        {
            ifElse([&] { return variant.isEmpty() || grouping.isEmpty(); }, {[&] { valid = true; }},
                   {
                       [&] { query(0); },
                       [&] { query(1); },
                       [&] { query(2); },
                       ifElse([&] { return !inUse(); }, {[&] { valid = true; }},
                              {
                                  [&] { message = QStringLiteral("Non è possibile rimuovere un'opzione già in uso."); },
                                  [&] {
                                      for (std::size_t i = 0; i < used.size(); ++i) {
                                          if (used[i])
                                              message += QStringLiteral("\r\n - ") +
                                                         translate(QString::fromUtf8(optionUseChecks[i].label));
                                      }
                                  },
                                  [&] { showMessage(message, host::message_style::Exclamation, formCaption()); },
                                  [&] { valid = false; },
                              }),
                   }),
        });
    return valid;
}

void VariantConfigurator::FME_CONFIGVARIANTI_AfterAddNew(bool success) {
    automation::reraise("FME_CONFIGVARIANTI_AfterAddNew", [&] {
        if (!success)
            return;
        rows()->setValue(QStringLiteral("MG5F_DITTA_CG18"), companyCode());
        rows()->setValue(QStringLiteral("MG5F_VALIDO"), QStringLiteral("S"));
    });
}

void VariantConfigurator::FME_CONFIGVARIANTI_ChangeStatus(qint16 newStatus, qint32) {
    automation::runSteps("FME_CONFIGVARIANTI_ChangeStatus", errorBox(),
                         {
                             ifElse([newStatus] { return newStatus == host::frame_status::Adding; },
                                    {
                                        [this] {
                                            const qint16 highest = highestRank_ ? *highestRank_ : NuovoProgressivo();
                                            highestRank_.reset();
                                            rows()->setValue(codeColumn, VariantCode::ProgressivoToCodice(highest + 1));
                                        },
                                        [this] { edit("TXT_SIZE")->setEnabled(true); },
                                    },
                                    {
                                        // With no row left (an undone first row) there is no rank to show.
                                        [this] {
                                            const std::shared_ptr<ado::Recordset> current = rows();
                                            edit("TXT_PROGR")
                                                ->setText(hasCurrentRow(current) ? VariantCode::CodiceToProgressivo(
                                                                                       current->value(codeColumn))
                                                                                 : QString());
                                        },
                                        [this] { edit("TXT_SIZE")->setEnabled(false); },
                                    }),
                             [this] { refreshSidebar(); },
                         });
}

void VariantConfigurator::FME_CONFIGVARIANTI_AfterUpdate(bool success) {
    automation::runSteps("FME_CONFIGVARIANTI_AfterUpdate", errorBox(),
                         {ifElse([success] { return success; }, {[this] { refreshSidebar(); }})});
}

}  // namespace brondel
