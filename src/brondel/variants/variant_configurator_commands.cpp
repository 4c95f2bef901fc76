// VariantConfigurator: deleting the whole configurator, the reserved dimension, the fields that follow
// the combos and check boxes, and the default value's lookup and decode.
#include "brondel/variants/variant_configurator.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_statements.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/sql_quote.h"
#include "automation/variant.h"
#include "brondel/console/host_components/check.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/decode_request.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/lookup_request.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace brondel {

namespace {

const QString cannotDelete = QStringLiteral("Eliminazione impossibile");
const QString optionsExist = QStringLiteral(
    "Per poter eliminare il configuratore delle varianti occorre eliminare tutte le varianti esistenti.");
const QString groupingsExist = QStringLiteral(
    "Per poter eliminare il configuratore delle varianti occorre eliminare tutti i raggruppamenti esistenti.");
const QString confirmDelete = QStringLiteral("Confermi l'eliminazione di tutte le righe del configuratore varianti?");
const QString information = QStringLiteral("Informazione");
const QString attention = QStringLiteral("ATTENZIONE !!!") + QLatin1Char('\r');
const QString codeColumn = QStringLiteral("MG5F_CODICEVAR");

}  // namespace

void VariantConfigurator::resetFlag(const char* name, const QVariant& value) const {
    const std::shared_ptr<host::Check> flag = check(name);
    rows()->setValue(flag->boundColumn(), value);
    // The check shows what the row holds, so that saving the row keeps the value written.
    flag->setValue(value);
}

void VariantConfigurator::CmdDel_Click() {
    automation::reraise("CmdDel_Click", [this] {
        const QString warning = cannotDelete;
        if (returnsRow(VariantStatements::companyOptions(company()))) {
            showMessage(optionsExist, host::message_style::Exclamation, warning);
            return;
        }
        if (returnsRow(VariantStatements::companyGroupings(company()))) {
            showMessage(groupingsExist, host::message_style::Exclamation, warning);
            return;
        }
        const qint32 answer =
            showMessage(confirmDelete, host::message_style::YesNo + host::message_style::Information, information);
        if (answer == host::message_answer::No)
            return;
        execute(VariantStatements::deleteDimensions(company()));
        execute(VariantStatements::clearVariantsFlag(company()));
        ConfigurazioneVirtualFrame();
        refreshSidebar();
    });
}

void VariantConfigurator::CHK_INDPROGCONFIG_AfterItem(bool& cancel) {
    automation::reraise("CHK_INDPROGCONFIG_AfterItem", [&] {
        const std::shared_ptr<ado::Recordset> current = frame()->recordset();
        if (!current || !current->isOpen() || (current->isBof() && current->isEof()) || current->isEof())
            return;
        const std::shared_ptr<ado::Recordset> others = current->clone();
        const QString code = automation::cstr(current->value(codeColumn));
        if (check("CHK_INDPROGCONFIG")->text() == QLatin1String("1")) {
            // Only one dimension can be reserved.
            others->setFilter(QStringLiteral("MG5F_CODICEVAR <> '") + automation::sqlEscaped(code) +
                              QStringLiteral("' And MG5F_INDPROGCONFIG = 1"));
            if (!hasCurrentRow(others))
                return;
            cancel = true;
            const QString reserved =
                VariantCode::CodiceToProgressivo(automation::cstr(others->value(codeColumn)).trimmed());
            showMessage(attention + QStringLiteral("La 'Variante Riservata' è già stata impostata sulla variante [") +
                            reserved + QLatin1Char(']'),
                        host::message_style::Exclamation, formCaption());
            return;
        }
        // The dimension's characters in the option string, in the frame's row order.
        qint32 start = 1;
        const QVariant here = current->bookmark();
        for (others->moveFirst(); !others->isEof() && others->bookmark() != here; others->moveNext())
            start += automation::clng(others->value(QStringLiteral("MG5F_SIZE")));
        const QString size = automation::cstr(current->value(QStringLiteral("MG5F_SIZE")));
        if (!returnsRow(VariantStatements::configurationsUsing(company(), QString::number(start), size)))
            return;
        cancel = true;
        showMessage(attention +
                        QStringLiteral("Esistono delle configurazioni che utilizzano questa variante come "
                                       "PROGRESSIVO. ") +
                        QLatin1Char('\r') +
                        QStringLiteral("Impossibile togliere la proprietà 'Riservata' da questa variante."),
                    host::message_style::Exclamation, formCaption());
    });
}

void VariantConfigurator::CBO_NATURA_ChangeRow() {
    automation::reraise("CBO_NATURA_ChangeRow", [this] {
        if (reacting())
            followNature(true);
    });
}

void VariantConfigurator::CBO_INDDESCR_ChangeRow() {
    automation::reraise("CBO_INDDESCR_ChangeRow", [this] {
        if (reacting())
            followDescriptionMode(true);
    });
}

void VariantConfigurator::CBO_GESTGRIGLIA_ChangeRow() {
    automation::reraise("CBO_GESTGRIGLIA_ChangeRow", [this] { followGridLevel(); });
}

void VariantConfigurator::followGridLevel() const {
    const double level =
        automation::cdbl(required(factory()->functionLibrary())->toNumber(combo("CBO_GESTGRIGLIA")->text()));
    setEnabled({"CBO_VISCODDESCR"}, level > 0);
    setEnabled({"CBO_INDGENGRIDDOC"}, level == 1);
}

bool VariantConfigurator::reacting() const {
    const std::shared_ptr<host::VirtualFrame> shown = frame_.frame();
    return !ReazioniSospese && !(shown && shown->isShowingRow());
}

void VariantConfigurator::CHK_FLGVARAUTO_Click() {
    automation::reraise("CHK_FLGVARAUTO_Click", [this] {
        if (reacting())
            followAutomaticVariant(true);
    });
}

void VariantConfigurator::CHK_FLGDEFAULT_Click() {
    automation::reraise("CHK_FLGDEFAULT_Click", [this] {
        if (reacting())
            followDefaultFlag(true);
    });
}

void VariantConfigurator::followNature(bool clear) const {
    const QString nature = combo("CBO_NATURA")->text();
    if (nature == QLatin1String("0")) {
        setEnabled({"TXT_NUMINT", "TXT_NUMDEC"}, false);
        if (clear)
            clearText({"TXT_NUMINT", "TXT_NUMDEC"});
    } else if (nature == QLatin1String("1")) {
        setEnabled({"TXT_NUMINT", "TXT_NUMDEC"}, true);
    }
}

void VariantConfigurator::followDescriptionMode(bool clear) const {
    const QString mode = combo("CBO_INDDESCR")->text();
    if (mode == QLatin1String("0")) {
        setEnabled({"TXT_POSINI", "TXT_POSFIN", "TXT_SEQCOMP", "CBO_INDPRCLIFOR"}, false);
        if (clear)
            clearText({"TXT_POSINI", "TXT_POSFIN", "TXT_SEQCOMP"});
    } else if (mode == QLatin1String("1")) {
        setEnabled({"TXT_SEQCOMP"}, true);
        setEnabled({"TXT_POSINI", "TXT_POSFIN", "CBO_INDPRCLIFOR"}, false);
        if (clear)
            clearText({"TXT_POSINI", "TXT_POSFIN"});
    } else if (mode == QLatin1String("2")) {
        setEnabled({"TXT_POSINI", "TXT_POSFIN", "TXT_SEQCOMP"}, true);
        setEnabled({"CBO_INDPRCLIFOR"}, false);
    } else if (mode == QLatin1String("3") || mode == QLatin1String("4")) {
        setEnabled({"TXT_SEQCOMP", "CBO_INDPRCLIFOR"}, true);
        setEnabled({"TXT_POSINI", "TXT_POSFIN"}, false);
        if (clear)
            clearText({"TXT_POSINI", "TXT_POSFIN"});
    }
}

void VariantConfigurator::followAutomaticVariant(bool reset) const {
    const QString automatic = check("CHK_FLGVARAUTO")->text();
    if (automatic == QLatin1String("1")) {
        setEnabled({"CHK_FLGCONFERMAVARAUTO", "CHK_FLGDESCRVARAUTO"}, true);
    } else if (automatic == QLatin1String("0")) {
        setEnabled({"CHK_FLGCONFERMAVARAUTO"}, false);
        const bool write = reset && hasCurrentRow(frame()->recordset());
        const QVariant off = QStringLiteral("0");
        if (write)
            resetFlag("CHK_FLGCONFERMAVARAUTO", off);
        setEnabled({"CHK_FLGDESCRVARAUTO"}, false);
        if (write)
            resetFlag("CHK_FLGDESCRVARAUTO", off);
    }
}

void VariantConfigurator::followDefaultFlag(bool clear) const {
    const bool ticked = check("CHK_FLGDEFAULT")->text() == QLatin1String("1");
    setEnabled({"TXT_VALDEFAULT"}, ticked);
    if (!ticked && clear)
        clearText({"TXT_VALDEFAULT", "LBL_DECVAR"});
}

void VariantConfigurator::followRow() const {
    const std::shared_ptr<ado::Recordset> shown = frame_.frame() ? frame_.frame()->recordset() : nullptr;
    const bool adding = shown && shown->isOpen() && shown->pendingEdit() == ado::EditMode::Add;
    const bool onRow = adding || hasCurrentRow(shown);
    // Fields that no other field switches; TXT_PROGR is never typed in, TXT_SIZE only in a new row.
    setEnabled({"TXT_DESCR", "CBO_NATURA", "CHK_RAG", "CHK_INTERVDB", "CBO_INDDESCR", "CBO_GESTGRIGLIA",
                "CHK_FLGVARAUTO", "CHK_FLGOBBLIG", "CHK_FLGDEFAULT", "CBO_INDEREDIBA", "CHK_INDPROGCONFIG"},
               onRow);
    setEnabled({"TXT_SIZE"}, adding);
    if (!onRow) {
        setEnabled(
            {"TXT_NUMINT", "TXT_NUMDEC", "TXT_POSINI", "TXT_POSFIN", "TXT_SEQCOMP", "CBO_INDPRCLIFOR",
             "CBO_VISCODDESCR", "CBO_INDGENGRIDDOC", "CHK_FLGCONFERMAVARAUTO", "CHK_FLGDESCRVARAUTO", "TXT_VALDEFAULT"},
            false);
        return;
    }
    followNature(false);
    followDescriptionMode(false);
    followGridLevel();
    followAutomaticVariant(false);
    followDefaultFlag(false);
}

void VariantConfigurator::TXT_VALDEFAULT_StartLookup(host::LookupRequest& request) {
    automation::reraise("TXT_VALDEFAULT_StartLookup", [&] {
        const QString code = automation::cstr(rows()->value(codeColumn));
        request.statement = VariantStatements::defaultValueLookup(company(), code);
        request.fields = QStringList{QStringLiteral("MG5E_OPZIONE"), QStringLiteral("MG5E_DESCR")};
        request.headers = {QStringList{QStringLiteral("Variante"), QString()},
                           QStringList{QStringLiteral("Descrizione"), QString()}};
        request.title = translate(QStringLiteral("Elenco varianti"));
        request.connectionString = connectionString();
        // Each dimension's lookup window keeps its own layout.
        edit("TXT_VALDEFAULT")->setLookupKey(QStringLiteral("lkp_variante") + code);
    });
}

void VariantConfigurator::TXT_VALDEFAULT_StartDecode(host::DecodeRequest& request) {
    automation::reraise("TXT_VALDEFAULT_StartDecode", [&] {
        request.statement = VariantStatements::defaultValueDecode(
            company(), VariantCode::ProgressivoToCodice(edit("TXT_PROGR")->text()), edit("TXT_VALDEFAULT")->text());
        request.fields = {host::DecodeField{QStringLiteral("MG5E_DESCR"), control(QStringLiteral("LBL_DECVAR"))}};
        request.connectionString = connectionString();
    });
}

}  // namespace brondel
