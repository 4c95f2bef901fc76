// GroupingComposition: the two search lists, which add the options picked to the grouping or remove the
// composition rows picked.
#include "brondel/groupings/grouping_composition.h"

#include "brondel/console/object_required.h"
#include "brondel/groupings/grouping_statements.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/lookup_window.h"

namespace brondel {

namespace {

const QString sequenceColumn = QStringLiteral("MG5H_SEQOPZIONE");
const QString compositionOption = QStringLiteral("MG5H_OPZIONE_MG5E");

struct SearchList {
    const char* identifier;
    const char* keyField;
    QList<QStringList> headers;
};

const SearchList optionsSearch{"LkpId_MG5E", "MG5E_OPZIONE", {{"Variante", ""}, {"Descrizione", ""}}};
const SearchList compositionSearch{
    "LkpId_MG5H", "MG5H_SEQOPZIONE", {{"Sequenza", ""}, {"Variante", ""}, {"Descrizione", ""}}};

}  // namespace

void GroupingComposition::BTN_CERCASX_Click() {
    automation::reraise("BTN_CERCASX_Click", [this] { openSearchList(true); });
}

void GroupingComposition::BTN_CERCADX_Click() {
    automation::reraise("BTN_CERCADX_Click", [this] { openSearchList(false); });
}

void GroupingComposition::openSearchList(bool options) {
    if (!compositionShown() || !groupingReady())
        return;
    const SearchList& list = options ? optionsSearch : compositionSearch;
    std::shared_ptr<host::LookupWindow>& reference = options ? Pobj_LookUp_Add : Pobj_LookUp_Rem;
    reference = required(factory()->createLookupWindow());
    const std::shared_ptr<host::LookupWindow> window = reference;
    if (options) {
        connect(window->OnReturnRecordSet, &GroupingComposition::Pobj_LookUp_Add_OnReturnRecordSet);
        connect(window->OnSelection, &GroupingComposition::Pobj_LookUp_Add_OnSelection);
    } else {
        connect(window->OnReturnRecordSet, &GroupingComposition::Pobj_LookUp_Rem_OnReturnRecordSet);
        connect(window->OnSelection, &GroupingComposition::Pobj_LookUp_Rem_OnSelection);
    }
    window->setConnectionString(connectionString());
    window->setIdentifier(QString::fromLatin1(list.identifier));
    window->setTitle(translate(QStringLiteral("Elenco varianti")));
    window->setStatement(options ? GroupingStatements::optionsList(company(), variant())
                                 : GroupingStatements::compositionList(company(), variant(), grouping()));
    window->setKeyField(QString::fromLatin1(list.keyField));
    window->setColumnHeaders(list.headers);
    window->setMultipleSelection(true);
    try {
        window->show();
    } catch (...) {
        reference.reset();
        throw;
    }
    window->close();
    reference.reset();
    redrawOptions();
    grid("GRD_RAGGR_MG5E")->refresh();
}

void GroupingComposition::Pobj_LookUp_Add_OnReturnRecordSet(const QString& statement) {
    automation::reraise("Pobj_LookUp_Add_OnReturnRecordSet", [&] {
        if (statement.isEmpty())
            return;
        const QString code = variant();
        const QString group = grouping();
        forEachPicked(statement, [&](const ado::Recordset& picked) {
            AggiungiComp(code, group, automation::cstr(picked.value(QStringLiteral("MG5E_OPZIONE"))));
        });
    });
}

void GroupingComposition::Pobj_LookUp_Add_OnSelection(const QString&, std::shared_ptr<ado::Recordset> row) {
    automation::reraise("Pobj_LookUp_Add_OnSelection", [&] {
        if (!hasCurrentRow(row))
            return;
        AggiungiComp(variant(), grouping(), automation::cstr(row->value(QStringLiteral("MG5E_OPZIONE"))));
    });
}

void GroupingComposition::AggiungiComp(const QString& code, const QString& group, const QString& option, int position) {
    automation::reraise("AggiungiComp", [&] {
        const auto composition = grid("GRD_RAGGR_MG5H");
        composition->setDataSource(nullptr);
        if (!hasCurrentRow(execute(GroupingStatements::optionSequence(company(), code, group, option)))) {
            qint16 seq = 0;
            if (position <= 0) {
                const QVariant last =
                    execute(GroupingStatements::lastSequence(company(), code, group))->value(QStringLiteral("Maxseq"));
                seq = automation::isNull(last) ? qint16(1) : automation::cint(automation::clng(last) + 1);
            } else {
                execute(GroupingStatements::makeRoom(company(), code, group, position));
                seq = automation::cint(position);
            }
            const std::shared_ptr<ado::Recordset> rows = required(RstRaggr_MG5H);
            rows->addNew();
            rows->setValue(QStringLiteral("MG5H_DITTA_CG18"), companyCode());
            rows->setValue(QStringLiteral("MG5H_CODICEVAR_MG5F"), code);
            rows->setValue(QStringLiteral("MG5H_RAGGR_MG5G"), group);
            rows->setValue(sequenceColumn, seq);
            rows->setValue(compositionOption, option);
            rows->update();
            rows->requery();
        }
        composition->setDataSource(RstRaggr_MG5H);
    });
}

void GroupingComposition::Pobj_LookUp_Rem_OnReturnRecordSet(const QString& statement) {
    automation::reraise("Pobj_LookUp_Rem_OnReturnRecordSet", [&] {
        if (!hasRows(RstRaggr_MG5H) || statement.isEmpty())
            return;
        const QString code = variant();
        const QString group = grouping();
        // Every selected row keeps the sequence the list showed: no gap is closed while several rows go.
        forEachPicked(statement, [&](const ado::Recordset& picked) {
            EliminaComp(code, group, automation::cint(picked.value(sequenceColumn)),
                        automation::cstr(picked.value(compositionOption)), true);
        });
    });
}

void GroupingComposition::forEachPicked(const QString& statement,
                                        const std::function<void(const ado::Recordset&)>& action) {
    const std::shared_ptr<ado::Recordset> picked = execute(statement);
    if (!hasCurrentRow(picked))
        return;
    allOrNothingUnderHourglass([&] {
        for (; !picked->isEof(); picked->moveNext())
            action(*picked);
    });
}

void GroupingComposition::Pobj_LookUp_Rem_OnSelection(const QString&, std::shared_ptr<ado::Recordset> row) {
    automation::reraise("Pobj_LookUp_Rem_OnSelection", [&] {
        if (!hasCurrentRow(row))
            return;
        const QString option = automation::cstr(row->value(compositionOption));
        const int seq = automation::cint(row->value(sequenceColumn));
        allOrNothing([&] { EliminaComp(variant(), grouping(), seq, option, false); });
    });
}

void GroupingComposition::EliminaComp(const QString& code, const QString& group, int seq, const QString& option,
                                      bool keepGap) {
    automation::reraise("EliminaComp", [&] {
        const auto composition = grid("GRD_RAGGR_MG5H");
        composition->setDataSource(nullptr);
        execute(GroupingStatements::deleteOption(company(), code, group, seq, option));
        if (!keepGap)
            execute(GroupingStatements::closeGap(company(), code, group, seq));
        required(RstRaggr_MG5H)->requery();
        composition->setDataSource(RstRaggr_MG5H);
    });
}

}  // namespace brondel
