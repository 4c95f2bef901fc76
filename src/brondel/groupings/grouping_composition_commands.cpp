// GroupingComposition: the commands that change a grouping's composition (add, remove, move, renumber) and
// the description of an option in the grouping.
#include "brondel/groupings/grouping_composition.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/groupings/grouping_statements.h"
#include "brondel/variants/variant_configurator.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_row.h"

namespace brondel {

namespace {

const QString sequenceColumn = QStringLiteral("MG5H_SEQOPZIONE");
const QString compositionOption = QStringLiteral("MG5H_OPZIONE_MG5E");
const QString bySequence = QStringLiteral("MG5H_SEQOPZIONE ASC");

// Numbers the rows in their order 1, 2, 3...: a row that already holds its number is not written again.
void numberInOrder(ado::Recordset& rows) {
    qint16 seq = 0;
    for (rows.moveFirst(); !rows.isEof(); rows.moveNext()) {
        ++seq;
        if (automation::cint(rows.value(sequenceColumn)) == seq)
            continue;
        rows.setValue(sequenceColumn, seq);
        rows.update();
    }
}

}  // namespace

void GroupingComposition::allOrNothing(const std::function<void()>& work) { connection()->runAllOrNothing(work); }

void GroupingComposition::allOrNothingUnderHourglass(const std::function<void()>& work) {
    setMousePointer(host::mouse_pointer::Hourglass);
    struct Pointer {
        const GroupingComposition& section;
        ~Pointer() {
            automation::runIgnoringErrors({[this] { section.setMousePointer(host::mouse_pointer::Default); }});
        }
    } pointer{*this};
    allOrNothing(work);
}

bool GroupingComposition::groupingReady() {
    if (grid("GRD_RAGGR_MG5E")->dataSource() && !grouping().isEmpty() && groupingFound_)
        return true;
    control("TXT_RAGGRUPP")->setFocus();
    return false;
}

void GroupingComposition::selectOption(const QString& option) {
    if (!hasRows(RstRaggr_MG5H))
        return;
    const std::shared_ptr<ado::Recordset> finder = RstRaggr_MG5H->clone();
    finder->setFilter(GroupingStatements::optionFilter(option));
    if (!finder->isEof())
        RstRaggr_MG5H->setBookmark(finder->bookmark());
}

bool GroupingComposition::EsisteAssociazioneMG5H() {
    return automation::reraise("EsisteAssociazioneMG5H", [this] {
        const QString option = automation::cstr(required(RstRaggr_MG5E)->value(QStringLiteral("MG5E_OPZIONE")));
        return hasCurrentRow(execute(GroupingStatements::optionInGrouping(company(), variant(), grouping(), option)));
    });
}

qint16 GroupingComposition::MaxSequenzaMG5H() {
    return automation::reraise("MaxSequenzaMG5H", [this] {
        const std::shared_ptr<ado::Recordset> result =
            execute(GroupingStatements::highestSequence(company(), variant(), grouping()));
        return automation::cint(automation::clng(result->value(QStringLiteral("MAXSEQ"))) + 1);
    });
}

void GroupingComposition::Insert_MG5H_COMPRAGVAR() {
    automation::reraise("Insert_MG5H_COMPRAGVAR", [this] {
        const QString option = automation::cstr(required(RstRaggr_MG5E)->value(QStringLiteral("MG5E_OPZIONE")));
        const qint16 seq = MaxSequenzaMG5H();
        execute(GroupingStatements::insertOption(company(), variant(), grouping(), seq, option));
    });
}

void GroupingComposition::BTN_ADD_Click() {
    automation::reraise("BTN_ADD_Click", [this] {
        if (!compositionShown() || !groupingReady())
            return;
        if (EsisteAssociazioneMG5H())
            return;
        Insert_MG5H_COMPRAGVAR();
        LOADGRID_RAGGR_MG5H();
    });
}

void GroupingComposition::BTN_ADDALL_Click() {
    automation::reraise("BTN_ADDALL_Click", [this] {
        if (!compositionShown() || !groupingReady())
            return;
        // Each missing option as add-one does it: its existence test, the next sequence and its insertion,
        // all of them or none.
        allOrNothingUnderHourglass([this] {
            for (RstRaggr_MG5E->moveFirst(); !RstRaggr_MG5E->isEof(); RstRaggr_MG5E->moveNext()) {
                if (!EsisteAssociazioneMG5H())
                    Insert_MG5H_COMPRAGVAR();
            }
        });
        LOADGRID_RAGGR_MG5H();
    });
}

void GroupingComposition::Delete_MG5H_COMPRAGVAR() {
    automation::reraise("Delete_MG5H_COMPRAGVAR", [this] {
        const std::shared_ptr<ado::Recordset> rows = required(grid("GRD_RAGGR_MG5H")->dataSource());
        execute(GroupingStatements::deleteOption(
            company(), automation::cstr(rows->value(QStringLiteral("MG5H_CODICEVAR_MG5F"))), grouping(),
            automation::cint(rows->value(sequenceColumn)), automation::cstr(rows->value(compositionOption))));
        Riordina_MG5H();
    });
}

void GroupingComposition::Riordina_MG5H() {
    automation::reraise("Riordina_MG5H", [this] {
        if (!RstRaggr_MG5H)
            return;
        grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
        RstRaggr_MG5H->requery();
        RstRaggr_MG5H->setSort(bySequence);
        numberInOrder(*RstRaggr_MG5H);
    });
}

void GroupingComposition::BTN_DEL_Click() {
    automation::reraise("BTN_DEL_Click", [this] {
        const std::shared_ptr<ado::Recordset> rows = grid("GRD_RAGGR_MG5H")->dataSource();
        if (!compositionShown() || !rows)
            return;
        const QString option = automation::cstr(rows->value(compositionOption));
        if (!form().section<VariantConfigurator>().ControlloValiditaEliminazione(variant(), grouping(),
                                                                                 GroupingStatements::oneOption(option)))
            return;
        allOrNothing([this] { Delete_MG5H_COMPRAGVAR(); });
        LOADGRID_RAGGR_MG5H();
        grid("GRD_RAGGR_MG5E")->refresh();
    });
}

void GroupingComposition::DeleteALL_MG5H_COMPRAGVAR() {
    automation::reraise("DeleteALL_MG5H_COMPRAGVAR",
                        [this] { execute(GroupingStatements::deleteAll(company(), variant(), grouping())); });
}

void GroupingComposition::BTN_DELALL_Click() {
    automation::reraise("BTN_DELALL_Click", [this] {
        const std::shared_ptr<ado::Recordset> rows = grid("GRD_RAGGR_MG5H")->dataSource();
        if (!compositionShown() || !rows)
            return;
        QStringList options;
        const std::shared_ptr<ado::Recordset> all = rows->clone();
        for (all->moveFirst(); !all->isEof(); all->moveNext())
            options << automation::cstr(all->value(compositionOption));
        if (!form().section<VariantConfigurator>().ControlloValiditaEliminazione(
                variant(), grouping(), GroupingStatements::optionList(options)))
            return;
        DeleteALL_MG5H_COMPRAGVAR();
        LOADGRID_RAGGR_MG5H();
        grid("GRD_RAGGR_MG5E")->refresh();
    });
}

void GroupingComposition::BTN_SU_Click() {
    automation::reraise("BTN_SU_Click", [this] {
        if (grid("GRD_RAGGR_MG5H")->dataSource() && compositionShown())
            MuoviRecord(QStringLiteral("SU"));
    });
}

void GroupingComposition::BTN_GIU_Click() {
    automation::reraise("BTN_GIU_Click", [this] {
        if (grid("GRD_RAGGR_MG5H")->dataSource() && compositionShown())
            MuoviRecord(QStringLiteral("GIU"));
    });
}

void GroupingComposition::MuoviRecord(const QString& direction) {
    automation::reraise("MuoviRecord", [&] {
        const std::shared_ptr<ado::Recordset> rows = required(RstRaggr_MG5H);
        const bool down = direction == QLatin1String("GIU");
        if (rows->isBof() || rows->isEof())
            return;
        if ((down && rows->absolutePosition() == rows->recordCount()) || (!down && rows->absolutePosition() == 1))
            return;
        grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
        const QVariant moved = rows->bookmark();
        // The neighbour is the next row shown, whatever its sequence: after a gap (options removed
        // together, or deleted from the variant) the row still takes its neighbour's place. Rows that share
        // a sequence are numbered in their order first, so that the exchange moves them.
        allOrNothing([&] {
            const std::shared_ptr<ado::Recordset> walker = rows->clone();
            walker->setSort(rows->sort());
            walker->setBookmark(moved);
            if (down)
                walker->moveNext();
            else
                walker->movePrevious();
            const QVariant neighbour = walker->bookmark();
            walker->setBookmark(moved);
            qint16 seq = automation::cint(walker->value(sequenceColumn));
            walker->setBookmark(neighbour);
            qint16 other = automation::cint(walker->value(sequenceColumn));
            if (seq == other) {
                numberInOrder(*walker);
                walker->setBookmark(moved);
                seq = automation::cint(walker->value(sequenceColumn));
                walker->setBookmark(neighbour);
                other = automation::cint(walker->value(sequenceColumn));
            }
            walker->setBookmark(neighbour);
            walker->setValue(sequenceColumn, seq);
            walker->update();
            walker->setBookmark(moved);
            walker->setValue(sequenceColumn, other);
            walker->update();
        });
        rows->setSort(bySequence);
        grid("GRD_RAGGR_MG5H")->setDataSource(rows);
        rows->setBookmark(moved);
    });
}

void GroupingComposition::CMD_RINUMERA_MenuItemClick(const QString& key, const QString&) {
    automation::runIgnoringErrors({[&] {
        if (key == QLatin1String("key_opzione"))
            RinumeraRaggruppamenti(QStringLiteral("OPZIONE"));
        else if (key == QLatin1String("key_descrizione"))
            RinumeraRaggruppamenti(QStringLiteral("DESCRIZIONE"));
    }});
}

void GroupingComposition::RinumeraRaggruppamenti(const QString& mode) {
    automation::reraise("RinumeraRaggruppamenti", [&] {
        if (!hasRows(RstRaggr_MG5H))
            return;
        const std::shared_ptr<ado::Recordset> ordered = RstRaggr_MG5H->clone();
        grid("GRD_RAGGR_MG5H")->setDataSource(nullptr);
        if (mode == QLatin1String("OPZIONE"))
            ordered->setSort(QStringLiteral("MG5H_OPZIONE_MG5E ASC"));
        else if (mode == QLatin1String("DESCRIZIONE"))
            ordered->setSort(QStringLiteral("MG5E_DESCR ASC"));
        else
            ordered->setSort(RstRaggr_MG5H->sort());
        allOrNothing([&] { numberInOrder(*ordered); });
        RstRaggr_MG5H->setSort(bySequence);
        grid("GRD_RAGGR_MG5H")->setDataSource(RstRaggr_MG5H);
    });
}

void GroupingComposition::GRD_RAGGR_MG5H_OnEdited(const host::GridRow& row) {
    automation::reraise("GRD_RAGGR_MG5H_OnEdited", [&] {
        if (grouping().isEmpty() || !RstRaggr_MG5H || !RstRaggr_MG5H->isOpen())
            return;
        const QString option = automation::cstr(row.value(compositionOption));
        execute(GroupingStatements::updateDescription(company(), variant(), grouping(),
                                                      automation::cint(row.value(sequenceColumn)), option,
                                                      automation::cstr(row.value(QStringLiteral("MG5H_DESCR")))));
        const auto composition = grid("GRD_RAGGR_MG5H");
        composition->setDataSource(nullptr);
        LOADGRID_RAGGR_MG5H();
        selectOption(option);
        if (!isLeaving())
            composition->endEdit();
    });
}

}  // namespace brondel
