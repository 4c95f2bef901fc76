// VariantConfigurator: the checks the frame asks for before it adds, saves or deletes a dimension, and the
// reaction guard around deletes and undos.
#include "brondel/variants/variant_configurator.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/variants/variant_code.h"
#include "brondel/variants/variant_statements.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/check.h"
#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace brondel {

namespace {

const QString sizeTotalReached =
    QStringLiteral("La somma massima consentita ha raggiunto i 20 caratteri, inserimento impossibile!");
const QString noMoreCodes = QStringLiteral("Sono già state definite 20 varianti, inserimento impossibile!");
const QString rankTaken = QStringLiteral(
    "Il progressivo %1 è stato appena registrato da un altro utente: la nuova variante prende il progressivo %2. "
    "Confermare di nuovo per registrarla.");
const QString sizeTooSmall = QStringLiteral("La dimensione della variante deve essere di almeno 1 carattere.");
const QString defaultMissing = QStringLiteral("Definire un valore di default.");
const QString startIsZero = QStringLiteral("La posizione iniziale non può essere uguale a 0");
const QString endNotAfterStart =
    QStringLiteral("La posizione finale non può essere minore o uguale alla posizione iniziale");
const QString endIsZero = QStringLiteral("La posizione finale non può essere uguale a 0");
const QString cannotSave = QStringLiteral("Impossibile registrare");
const QString secondFirstLevel =
    QStringLiteral("Non è possibile inserire un'altra variante con \"Gestione griglia\" = 1° livello (dettaglio) !");
const QString secondSecondLevel =
    QStringLiteral("Non è possibile inserire un'altra variante con \"Gestione griglia\" = 2° livello!");
const QString secondLevelAlone = QStringLiteral(
    "Non è possibile inserire una variante con \"Gestione griglia\" = 2° livello!\r\n"
    "senza aver inserito una variante con \"Gestione griglia\" = 1° livello (dettaglio) !");
const QString usedByArticles =
    QStringLiteral("Il record non può essere cancellato in quanto esso o un successivo risulta già utilizzato");
const QString cannotDelete = QStringLiteral("Eliminazione impossibile");
const QString optionsExist =
    QStringLiteral("Per poter eliminare l'elemento del configuratore occorre eliminare le varianti esistenti.");
const QString groupingsExist =
    QStringLiteral("Per poter eliminare l'elemento del configuratore occorre eliminare i raggruppamenti esistenti.");

// The integer value of a field's text; an empty field counts as 0.
qint16 integerValue(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? qint16(0) : automation::cint(trimmed);
}

// The grid level of a row: 1 the first level, 2 any second-level kind (2, 3, 4), 0 none.
int gridLevel(const QVariant& value) {
    if (automation::isNull(value) || automation::isEmpty(value))
        return 0;
    const qint32 code = automation::clng(value);
    if (code == 1)
        return 1;
    return code >= 2 && code <= 4 ? 2 : 0;
}

}  // namespace

void VariantConfigurator::FME_CONFIGVARIANTI_BeforeAddNew(bool& cancel) {
    automation::reraise("FME_CONFIGVARIANTI_BeforeAddNew", [&] {
        if (SumSize() >= MaxTotalSize) {
            showMessage(sizeTotalReached, host::message_style::Exclamation, formCaption());
            cancel = true;
            return;
        }
        // The code alphabet ends at rank 20. The new row's code is the next one (ChangeStatus).
        highestRank_ = NuovoProgressivo();
        if (*highestRank_ >= VariantCode::MaxRank) {
            highestRank_.reset();
            showMessage(noMoreCodes, host::message_style::Exclamation, formCaption());
            cancel = true;
        }
    });
}

void VariantConfigurator::FME_CONFIGVARIANTI_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_CONFIGVARIANTI_BeforeUpdate", [&] {
        const QString size = QStringLiteral("TXT_SIZE");
        if (frame()->status() == host::frame_status::Adding) {
            // Another console may have stored a dimension since "Nuovo": the typed row takes the next free
            // rank and waits for the person to confirm it.
            const qint16 next = NuovoProgressivo() + 1;
            const QVariant proposed = rows()->value(QStringLiteral("MG5F_CODICEVAR"));
            if (VariantCode::CodiceToProgressivo(proposed).toInt() < next) {
                if (next > VariantCode::MaxRank)
                    return refuse(cancel, noMoreCodes, formCaption(), QStringLiteral("TXT_DESCR"));
                const QString code = VariantCode::ProgressivoToCodice(next);
                rows()->setValue(QStringLiteral("MG5F_CODICEVAR"), code);
                edit("TXT_PROGR")->setText(VariantCode::CodiceToProgressivo(code));
                return refuse(
                    cancel,
                    rankTaken.arg(VariantCode::CodiceToProgressivo(proposed), VariantCode::CodiceToProgressivo(code)),
                    formCaption(), QStringLiteral("TXT_DESCR"));
            }
            const qint16 typed = integerValue(edit("TXT_SIZE")->text());
            if (typed < 1)
                return refuse(cancel, sizeTooSmall, formCaption(), size);
            if (SumSize() + typed > MaxTotalSize)
                return refuse(cancel, sizeTotalReached, formCaption(), size);
        }
        if (check("CHK_FLGDEFAULT")->text() == QLatin1String("1") &&
            automation::cstr(edit("TXT_VALDEFAULT")->text()).isEmpty())
            return refuse(cancel, defaultMissing, formCaption(), QStringLiteral("TXT_VALDEFAULT"));

        const std::shared_ptr<host::Edit> start = edit("TXT_POSINI");
        const std::shared_ptr<host::Edit> end = edit("TXT_POSFIN");
        if (start->isEnabled() && end->isEnabled() && !start->text().trimmed().isEmpty()) {
            const qint16 first = integerValue(start->text());
            if (first < 1)
                return refuse(cancel, startIsZero, formCaption(), QStringLiteral("TXT_POSINI"));
            // An empty end position counts as 0, so it is refused as not after the start.
            const qint16 last = integerValue(end->text());
            if (last <= first)
                return refuse(cancel, endNotAfterStart, formCaption(), QStringLiteral("TXT_POSFIN"));
            if (last < 1)
                return refuse(cancel, endIsZero, formCaption(), QStringLiteral("TXT_POSFIN"));
        }

        const QString grid = QStringLiteral("CBO_GESTGRIGLIA");
        if (EsisteSubvariante_liv(1))
            return refuse(cancel, secondFirstLevel, cannotSave, grid);
        if (EsisteSubvariante_liv(2))
            return refuse(cancel, secondSecondLevel, cannotSave, grid);
        if (!EsisteSubvariante_gerarchia())
            return refuse(cancel, secondLevelAlone, cannotSave, grid);
    });
}

bool VariantConfigurator::EsisteSubvariante_liv(int level) {
    return automation::reraise("EsisteSubvariante_liv", [&] {
        const std::shared_ptr<ado::Recordset> scan = rows()->clone();
        bool seen = false;
        bool twice = false;
        for (scan->moveFirst(); !scan->isEof() && !twice; scan->moveNext()) {
            if (gridLevel(scan->value(QStringLiteral("MG5F_INDGRIGLIA"))) != level)
                continue;
            twice = seen;
            seen = true;
        }
        scan->close();
        return twice;
    });
}

bool VariantConfigurator::EsisteSubvariante_gerarchia() {
    return automation::reraise("EsisteSubvariante_gerarchia", [&] {
        const std::shared_ptr<ado::Recordset> scan = rows()->clone();
        bool firstLevel = false;
        bool secondLevel = false;
        for (scan->moveFirst(); !scan->isEof(); scan->moveNext()) {
            const int level = gridLevel(scan->value(QStringLiteral("MG5F_INDGRIGLIA")));
            firstLevel = firstLevel || level == 1;
            secondLevel = secondLevel || level == 2;
        }
        scan->close();
        return !(secondLevel && !firstLevel);
    });
}

void VariantConfigurator::FME_CONFIGVARIANTI_BeforeDelete(bool& cancel) {
    automation::reraise("FME_CONFIGVARIANTI_BeforeDelete", [&] {
        ReazioniSospese = true;
        const QString grid = QStringLiteral("GRD_CONFIGVAR");
        const QVariant code = rows()->value(QStringLiteral("MG5F_CODICEVAR"));
        const QString position = QString::number(Posizione(code));
        if (returnsRow(VariantStatements::articleDescriptionsFrom(company(), position)))
            return refuse(cancel, usedByArticles, formCaption(), grid);
        if (returnsRow(VariantStatements::dimensionOptions(company(), automation::cstr(code))))
            return refuse(cancel, optionsExist, cannotDelete, grid);
        if (returnsRow(VariantStatements::dimensionGroupings(company(), automation::cstr(code))))
            return refuse(cancel, groupingsExist, cannotDelete, grid);
    });
}

void VariantConfigurator::FME_CONFIGVARIANTI_AfterDelete(bool) {
    automation::reraise("FME_CONFIGVARIANTI_AfterDelete", [this] {
        ReazioniSospese = false;
        followRow();
        refreshSidebar();
    });
}

void VariantConfigurator::FME_CONFIGVARIANTI_BeforeUndo(bool&) {
    automation::reraise("FME_CONFIGVARIANTI_BeforeUndo", [this] { ReazioniSospese = true; });
}

void VariantConfigurator::FME_CONFIGVARIANTI_RowShown() {
    automation::reraise("FME_CONFIGVARIANTI_RowShown", [this] { followRow(); });
}

void VariantConfigurator::FME_CONFIGVARIANTI_AfterUndo(bool) {
    automation::reraise("FME_CONFIGVARIANTI_AfterUndo", [this] {
        ReazioniSospese = false;
        followRow();
    });
}

}  // namespace brondel
