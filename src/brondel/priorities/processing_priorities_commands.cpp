// ProcessingPriorities: new steps, deletes, moves, ticks and the default lists.
#include "brondel/priorities/processing_priorities.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"
#include "brondel/priorities/clsmg_priorlett.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/event_loop.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/screen.h"
#include "brondel/console/host_components/status_bar.h"
#include "brondel/console/host_components/virtual_frame.h"

namespace brondel {

namespace {

QString flagColumn(int position) { return QStringLiteral("MG5L_FLGPOSVAR%1").arg(position); }

// Runs one statement of a procedure that ignores errors.
void attempt(const automation::Step& statement) { automation::runIgnoringErrors({statement}); }

constexpr int Hourglass = 11;
constexpr int DefaultPointer = 0;

}  // namespace

ProcessingPriorities::StepFlags ProcessingPriorities::flags() const {
    StepFlags read;
    for (int position = 1; position <= MaxVariants; ++position)
        read[position - 1] = steps()->value(flagColumn(position));
    return read;
}

void ProcessingPriorities::setFlags(const StepFlags& flags) const {
    for (int position = 1; position <= MaxVariants; ++position)
        steps()->setValue(flagColumn(position), flags[position - 1]);
}

void ProcessingPriorities::FME_PRIORLETT_AfterAddNew(bool success) {
    automation::reraise("FME_PRIORLETT_AfterAddNew", [&] {
        if (!success)
            return;
        const std::shared_ptr<ado::Recordset> rows = required(frame_.required()->recordset());
        rows->setValue(QStringLiteral("MG5L_DITTA_CG18"), companyCode());
        rows->setValue(QStringLiteral("MG5L_INDELEMENTO"),
                       required(factory()->functionLibrary())->toNumber(elementCombo()->currentCode()));
        // The new step comes last.
        rows->setValue(QStringLiteral("MG5L_PRIORITA"), rows->recordCount());
        for (int position = 1; position <= MaxVariants; ++position)
            rows->setValue(flagColumn(position), 0);
    });
}

void ProcessingPriorities::FME_PRIORLETT_BeforeUpdate(bool&) {}

void ProcessingPriorities::FME_PRIORLETT_AfterUpdate(bool) {
    automation::reraise("FME_PRIORLETT_AfterUpdate", [this] { refreshSidebar(); });
}

void ProcessingPriorities::FME_PRIORLETT_AfterDelete(bool success) {
    automation::reraise("FME_PRIORLETT_AfterDelete", [&] {
        if (!success)
            return;
        const std::shared_ptr<host::VirtualFrame> list = frame_.required();
        const std::shared_ptr<ado::Recordset> rows = steps();
        const qint64 position = rows->absolutePosition();
        list->setRecordset(nullptr);
        // The steps after the deleted one move up a place.
        for (; !rows->isEof(); rows->moveNext())
            rows->setValue(QStringLiteral("MG5L_PRIORITA"), rows->absolutePosition());
        rows->setAbsolutePosition(position);
        list->setRecordset(rows);
    });
}

void ProcessingPriorities::CMD_SU_Click() { moveStep(-1); }

void ProcessingPriorities::CMD_GIU_Click() { moveStep(+1); }

void ProcessingPriorities::moveStep(int direction) {
    std::shared_ptr<host::VirtualFrame> list;
    bool mayMove = false;  // a question that fails counts as a refusal
    attempt([&] { list = frame_.required(); });
    attempt([&] { mayMove = required(list)->queryClose(true, 0, false) == -1; });
    if (!mayMove)
        return;
    const std::shared_ptr<ado::Recordset> rows = frame_.recordset();
    qint64 position = 0;
    bool atEnd = true;
    attempt([&] { position = required(rows)->absolutePosition(); });
    attempt([&] { atEnd = direction < 0 ? position == 1 : position == required(rows)->recordCount(); });
    if (atEnd)
        return;
    attempt([&] { required(list)->setRecordset(nullptr); });
    StepFlags selected;
    StepFlags neighbour;
    bool hasNeighbour = false;
    attempt([&] { selected = flags(); });
    attempt([&] { direction < 0 ? required(rows)->movePrevious() : required(rows)->moveNext(); });
    attempt([&] { hasNeighbour = !required(rows)->isBof() && !required(rows)->isEof(); });
    if (hasNeighbour) {
        // The steps keep their priorities: the two exchange their variants.
        attempt([&] { neighbour = flags(); });
        if (direction < 0) {
            attempt([&] { setFlags(selected); });
            attempt([&] { required(rows)->updateBatch(ado::Affect::All); });
            attempt([&] { required(rows)->moveNext(); });
            attempt([&] { setFlags(neighbour); });
        } else {
            attempt([&] { required(rows)->movePrevious(); });
            attempt([&] { setFlags(neighbour); });
            attempt([&] { required(rows)->updateBatch(ado::Affect::All); });
            attempt([&] { required(rows)->moveNext(); });
            attempt([&] { setFlags(selected); });
        }
        attempt([&] { required(rows)->updateBatch(ado::Affect::All); });
    }
    attempt([&] { required(rows)->setSort(QStringLiteral("MG5L_PRIORITA")); });
    attempt([&] { required(list)->setRecordset(rows); });
    attempt([&] { required(rows)->setAbsolutePosition(qMax<qint64>(position, 0) + direction); });
    attempt([&] { required(list)->refresh(true); });
    attempt([&] { required(list)->positionOnCurrentRow(true); });
}

void ProcessingPriorities::CMD_DEFAULT_Click() {
    automation::reraise("CMD_DEFAULT_Click", [this] {
        if (showMessage(QStringLiteral("Si desidera sovrascrivere eventuali dati già presenti?"), 36,
                        QStringLiteral("Attenzione")) != 6)
            return;
        const std::shared_ptr<host::HostFactory> services = factory();
        const std::shared_ptr<host::EventLoop> events = required(services->eventLoop());
        const std::shared_ptr<host::Screen> screen = required(services->screen());
        const std::shared_ptr<host::StatusBar> status = required(host()->statusBar());
        const std::shared_ptr<host::Grid> list = grid();
        const auto setBusy = [&](bool busy) {
            list->setCanTakeFocus(!busy);
            setEnabled({"CMD_GIU", "CMD_SU", "CMD_DEFAULT", "CBO_INDELEMENTO"}, !busy);
            status->setPanelText(2, translate(busy ? QStringLiteral("Creazione valori predefiniti in corso...")
                                                   : QStringLiteral("Pronto")));
            screen->setMousePointer(busy ? Hourglass : DefaultPointer);
        };

        events->processEvents();
        setBusy(true);
        events->processEvents();
        try {
            auto builder = CLSMG_PRIORLETT::create(services->recordsetFactory());
            builder->setDitta(companyCode());
            builder->setConnessione(connection());
            builder->PrioritaPredefinite();
            builder->setConnessione(nullptr);
        } catch (const automation::Error&) {
            // The lists are as they were: give the section back before saying why.
            setBusy(false);
            throw;
        }
        setBusy(false);
        elementCombo()->resetSelection();
        const std::shared_ptr<ado::Recordset> rows = steps();
        rows->requery();
        list->setDataSource(rows);
    });
}

void ProcessingPriorities::GRD_PRIORLETT_SelectionBoxClick(const host::GridRow&, const QString&, const QVariant&) {
    automation::reraise("GRD_PRIORLETT_SelectionBoxClick", [this] {
        const std::shared_ptr<host::VirtualFrame> list = frame_.required();
        list->refresh(true);
        list->positionOnCurrentRow(true);
        list->commitRow();
    });
}

void ProcessingPriorities::GRD_PRIORLETT_BeforeEdit(const QString& field, bool& cancel) {
    automation::reraise("GRD_PRIORLETT_BeforeEdit", [&] {
        grid()->setCellEditing(field, false, false);
        cancel = true;
    });
}

void ProcessingPriorities::GNV_PRIORLETT_AfterButtonClick(bool success, const QString& caption) {
    try {
        if (success && (caption == QLatin1String("Nuovo") || caption == QLatin1String("Conferma")))
            grid()->setFocus();
    } catch (const automation::Error& error) {
        messageService()->reportError(error, QStringLiteral("MGUO_PELMARO"), QStringLiteral("GRIDNAV_AfterButtonClick"),
                                      QStringLiteral("0_0_0_0"));
    }
}

}  // namespace brondel
