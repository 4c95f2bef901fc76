#include "suite/framework/virtual_frame_model.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/function_library_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/model_node.h"
#include "suite/framework/user_edit_source.h"

#include "ado/field.h"
#include "ado/fields.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/data_control.h"
#include "brondel/console/host_components/data_format.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/types.h"

#include <QRegularExpression>
#include <QScopedValueRollback>
#include <cmath>
#include <optional>
#include <utility>

namespace suite {

namespace status = host::frame_status;

namespace {

const QString MandatoryMessage = QStringLiteral("Il campo \"%1\" è obbligatorio.");
const QString NotANumberMessage = QStringLiteral("Il campo \"%1\" deve contenere un numero.");
const QString NotAnIntegerMessage = QStringLiteral("Il campo \"%1\" deve contenere un numero intero.");
const QString KeyPresentMessage = QStringLiteral("Il codice \"%1\" è già presente.");
const QString PendingEditQuestion = QStringLiteral("Il record corrente è stato modificato. Salvare le modifiche?");

// Where a control stands on its form (top, left in twips): its geometry is relative to its container.
std::pair<int, int> formPosition(host::Control& control) {
    int top = 0;
    int left = 0;
    for (ModelNode* node = nodeOf(&control); node && node->parentNode(); node = node->parentNode()) {
        top += node->control().top();
        left += node->control().left();
    }
    return {top, left};
}

}  // namespace

VirtualFrameModel::VirtualFrameModel(MessageServiceProvider messages) : messages_(std::move(messages)) {}

VirtualFrameModel::~VirtualFrameModel() { disconnectAll(); }

void VirtualFrameModel::initialize(std::shared_ptr<host::Cinterface> host, std::shared_ptr<ado::Connection> connection,
                                   std::shared_ptr<ado::Recordset> recordset, const QVariant& statement, const QString&,
                                   std::shared_ptr<host::GridNavigator> navigator, std::shared_ptr<host::Grid> grid) {
    disconnectAll();
    host_ = host;
    connection_ = std::move(connection);
    recordset_ = std::move(recordset);
    statement_ = statement;
    navigator_ = std::move(navigator);
    grid_ = std::move(grid);
    status_ = status::Browse;
    closed_ = false;
    if (grid_)
        grid_->setDataSource(recordset_);
    connectGrid();
    if (auto* model = dynamic_cast<GridNavigatorModel*>(navigator_.get())) {
        model->attachFrame(weak_from_this());
        model->frameChanged(false);
    }
}

void VirtualFrameModel::connectGrid() {
    gridModel_ = dynamic_cast<GridModel*>(grid_.get());
    if (!gridModel_)
        return;
    rowChangeHook_ = gridModel_->BeforeRowChange.connect([this](int, bool& cancel) {
        if (!closed_ && !quiet() && status_ != status::Browse && !save(true, true))
            cancel = true;
    });
    rowChangedHook_ = gridModel_->RowChanged.connect([this] {
        if (!closed_ && !quiet())
            showRow();
    });
    cellChangedHook_ = gridModel_->CellChanged.connect([this] {
        if (!closed_ && !quiet() && status_ == status::Browse && hasCurrentRow())
            changeStatus(status::Editing, host::status_reason::Gesture);
    });
}

void VirtualFrameModel::disconnectAll() {
    if (gridModel_) {
        gridModel_->BeforeRowChange.disconnect(rowChangeHook_);
        gridModel_->RowChanged.disconnect(rowChangedHook_);
        gridModel_->CellChanged.disconnect(cellChangedHook_);
    }
    gridModel_ = nullptr;
    for (Binding& binding : bindings_) {
        if (auto* source = dynamic_cast<UserEditSource*>(binding.control.get()))
            source->UserEdited.disconnect(binding.userEdited);
        binding.userEdited = 0;
    }
}

void VirtualFrameModel::addControl(std::shared_ptr<host::DataControl> control,
                                   std::shared_ptr<host::DataFormat> format) {
    if (!control)
        throw automation::Error(automation::errors::ObjectRequired, QStringLiteral("VirtualFrame"),
                                QStringLiteral("Object required"));
    if (format)
        control->setDataFormat(format);
    Binding binding{control, 0};
    if (auto* source = dynamic_cast<UserEditSource*>(control.get()))
        binding.userEdited = source->UserEdited.connect([this] { onUserEdited(); });
    bindings_.push_back(binding);
}

void VirtualFrameModel::setKeyControl(std::shared_ptr<host::DataControl> control) { keyControl_ = std::move(control); }

bool VirtualFrameModel::hasColumn(const QString& column) const {
    return !column.isEmpty() && recordset_ && recordset_->isOpen() && recordset_->fields().indexOf(column) >= 0;
}

bool VirtualFrameModel::hasCurrentRow() const {
    return recordset_ && recordset_->isOpen() && !recordset_->isBof() && !recordset_->isEof() &&
           recordset_->absolutePosition() > 0;
}

bool VirtualFrameModel::refused(automation::Event<bool&>& before) {
    bool cancel = false;
    if (!quiet())
        before.raise(cancel);
    return cancel;
}

void VirtualFrameModel::announce(automation::Event<bool>& after, bool success) {
    if (!quiet())
        after.raise(success);
}

void VirtualFrameModel::changeStatus(qint16 newStatus, qint32 reason) {
    status_ = newStatus;
    if (auto* model = dynamic_cast<GridNavigatorModel*>(navigator_.get()))
        model->frameChanged(newStatus != status::Browse);
    if (!quiet())
        ChangeStatus.raise(newStatus, reason);
}

void VirtualFrameModel::showRow() {
    const bool onRow =
        hasCurrentRow() || (recordset_ && recordset_->isOpen() && recordset_->pendingEdit() == ado::EditMode::Add);
    {
        const QScopedValueRollback<bool> showing(showingRow_, true);
        for (const Binding& binding : bindings_) {
            const QString column = binding.control->boundColumn();
            if (!hasColumn(column))
                continue;
            binding.control->setValue(onRow ? recordset_->value(column) : automation::null());
            if (auto* edit = dynamic_cast<EditModel*>(binding.control.get()); edit && edit->hasDecode())
                edit->decode();
        }
    }
    if (grid_)
        grid_->redraw();
    if (!closed_)
        RowShown.raise();
}

void VirtualFrameModel::takeRowFromControls() {
    for (const Binding& binding : bindings_) {
        const QString column = binding.control->boundColumn();
        if (!hasColumn(column))
            continue;
        const QVariant value = binding.control->value();
        const QVariant stored = recordset_->value(column);
        if (automation::cstr(value) == automation::cstr(stored) &&
            automation::isNull(value) == automation::isNull(stored))
            continue;
        recordset_->setValue(column, value);
    }
}

bool VirtualFrameModel::numbersReadable() {
    for (const Binding& binding : bindings_) {
        const auto* field = dynamic_cast<const EditModel*>(binding.control.get());
        if (!field || !field->isNumeric() || field->dataFormat())
            continue;
        const QString text = field->text().trimmed();
        if (text.isEmpty())
            continue;
        // Digits with an optional sign and one decimal separator between digits: "-", "." or "2," are not.
        static const QRegularExpression plainNumber(QStringLiteral("^[-+]?(\\d+([.,]\\d+)?|[.,]\\d+)$"));
        const std::optional<QVariant> number = FunctionLibraryModel::numberFromText(text);
        const QString* refusal = nullptr;
        if (!number || !plainNumber.match(text).hasMatch()) {
            refusal = &NotANumberMessage;
        } else if (number->metaType().id() == QMetaType::Double && hasColumn(field->boundColumn()) &&
                   holdsIntegers(field->boundColumn()) && number->toDouble() != std::trunc(number->toDouble())) {
            refusal = &NotAnIntegerMessage;
        }
        if (!refusal)
            continue;
        message(refusal->arg(field->caption().isEmpty() ? field->name() : field->caption()),
                host::message_style::Exclamation);
        if (binding.control->canTakeFocus())
            binding.control->setFocus();
        return false;
    }
    return true;
}

bool VirtualFrameModel::holdsIntegers(const QString& column) const {
    switch (recordset_->fields().item(column).type()) {
    case ado::DataType::TinyInt:
    case ado::DataType::UnsignedTinyInt:
    case ado::DataType::SmallInt:
    case ado::DataType::Integer:
    case ado::DataType::BigInt: return true;
    default: return false;
    }
}

bool VirtualFrameModel::mandatoryFieldsFilled() {
    for (const Binding& binding : bindings_) {
        const host::DataControl& control = *binding.control;
        if (!control.isMandatory() || !automation::cstr(control.value()).trimmed().isEmpty())
            continue;
        const QString caption = control.caption().isEmpty() ? control.name() : control.caption();
        message(MandatoryMessage.arg(caption), host::message_style::Exclamation);
        if (binding.control->canTakeFocus())
            binding.control->setFocus();
        return false;
    }
    return true;
}

void VirtualFrameModel::writePending() {
    if (recordset_->pendingEdit() != ado::EditMode::None)
        recordset_->update();
    if (recordset_->lockType() == ado::LockType::BatchOptimistic)
        recordset_->updateBatch(ado::Affect::All);
}

void VirtualFrameModel::onUserEdited() {
    if (status_ == status::Adding)
        newRowEdited_ = true;
    if (closed_ || quiet() || !editingEnabled_ || status_ != status::Browse || !hasCurrentRow())
        return;
    changeStatus(status::Editing, host::status_reason::Gesture);
}

void VirtualFrameModel::setStatus(qint16 newStatus) {
    if (newStatus == status::Adding) {
        addNew();
        return;
    }
    if (newStatus == status::Browse && recordset_ && recordset_->isOpen() &&
        recordset_->pendingEdit() != ado::EditMode::None)
        recordset_->cancelUpdate();
    changeStatus(newStatus, host::status_reason::Gesture);
    showRow();
}

bool VirtualFrameModel::addNew() {
    if (closed_ || !recordset_ || !recordset_->isOpen())
        return false;
    if (status_ != status::Browse && !save(true, true))
        return false;
    if (refused(BeforeAddNew))
        return false;
    recordset_->addNew();
    for (const Binding& binding : bindings_) {
        const QVariant value = binding.control->defaultValue();
        if (!automation::isEmpty(value) && hasColumn(binding.control->boundColumn()))
            recordset_->setValue(binding.control->boundColumn(), value);
    }
    status_ = status::Adding;
    newRowEdited_ = false;
    announce(AfterAddNew, true);
    if (status_ == status::Adding)
        changeStatus(status::Adding, host::status_reason::Gesture);
    if (status_ != status::Adding)
        return false;
    showRow();
    focusFirstField();
    return true;
}

void VirtualFrameModel::focusFirstField() {
    if (keyControl_ && keyControl_->canTakeFocus()) {
        keyControl_->setFocus();
        return;
    }
    // A key the frame fills itself (a progressive) is disabled: the person starts typing in the field the
    // Tab order reaches first.
    host::DataControl* first = nullptr;
    for (const Binding& binding : bindings_) {
        if (binding.control->canTakeFocus() && (!first || formPosition(*binding.control) < formPosition(*first)))
            first = binding.control.get();
    }
    if (first)
        first->setFocus();
}

bool VirtualFrameModel::save(bool check, bool) {
    if (closed_ || !recordset_ || !recordset_->isOpen())
        return false;
    if (status_ == status::Browse && recordset_->pendingEdit() == ado::EditMode::None)
        return true;
    // A number that cannot be read never reaches the row.
    if (!numbersReadable())
        return false;
    takeRowFromControls();
    if (check && !mandatoryFieldsFilled())
        return false;
    if (refused(BeforeUpdate))
        return false;
    try {
        writePending();
    } catch (const automation::Error&) {
        announce(AfterUpdate, false);
        throw;
    }
    announce(AfterUpdate, true);
    changeStatus(status::Browse, host::status_reason::Gesture);
    showRow();
    return true;
}

void VirtualFrameModel::commitRow() {
    if (!recordset_ || !recordset_->isOpen())
        return;
    if (status_ == status::Browse && recordset_->pendingEdit() == ado::EditMode::None)
        return;
    save(false, true);
}

bool VirtualFrameModel::undo() {
    if (closed_ || status_ == status::Browse)
        return false;
    if (refused(BeforeUndo))
        return false;
    if (recordset_ && recordset_->isOpen() && recordset_->pendingEdit() != ado::EditMode::None)
        recordset_->cancelUpdate();
    showRow();
    announce(AfterUndo, true);
    changeStatus(status::Browse, host::status_reason::Gesture);
    return true;
}

bool VirtualFrameModel::deleteRow() {
    if (closed_ || status_ != status::Browse || !hasCurrentRow())
        return false;
    if (refused(BeforeDelete))
        return false;
    const std::shared_ptr<ado::Recordset> rows = recordset_;
    try {
        rows->deleteCurrent();
        if (rows->lockType() == ado::LockType::BatchOptimistic)
            rows->updateBatch(ado::Affect::All);
    } catch (const automation::Error&) {
        if (rows->lockType() == ado::LockType::BatchOptimistic)
            rows->cancelBatch(ado::Affect::All);
        announce(AfterDelete, false);
        throw;
    }
    if (!rows->isEof())
        rows->moveNext();
    if (rows->isEof() && rows->recordCount() > 0)
        rows->moveLast();
    showRow();
    announce(AfterDelete, true);
    if (recordset_ && recordset_->isOpen())
        writePending();
    if (grid_)
        grid_->redraw();
    if (auto* model = dynamic_cast<GridNavigatorModel*>(navigator_.get()))
        model->frameChanged(status_ != status::Browse);
    return true;
}

bool VirtualFrameModel::checkKey() {
    if (status_ != status::Adding || !keyControl_ || !hasColumn(keyControl_->boundColumn()))
        return true;
    const QString column = keyControl_->boundColumn();
    const QString key = automation::cstr(keyControl_->value()).trimmed();
    if (key.isEmpty())
        return true;
    const QVariant newRow = recordset_->bookmark();
    const std::shared_ptr<ado::Recordset> others = recordset_->clone();
    if (!(others->isBof() && others->isEof())) {
        for (others->moveFirst(); !others->isEof(); others->moveNext()) {
            if (others->bookmark() == newRow)
                continue;
            if (automation::cstr(others->value(column)).trimmed().compare(key, Qt::CaseInsensitive) != 0)
                continue;
            message(KeyPresentMessage.arg(keyControl_->text()), host::message_style::Exclamation);
            if (keyControl_->canTakeFocus())
                keyControl_->setFocus();
            return false;
        }
    }
    return true;
}

void VirtualFrameModel::refresh(bool) {
    if (grid_)
        grid_->refresh();
    showRow();
}

void VirtualFrameModel::positionOnCurrentRow(bool refreshGrid) {
    showRow();
    if (grid_ && refreshGrid)
        grid_->refresh();
}

void VirtualFrameModel::setRecordset(std::shared_ptr<ado::Recordset> recordset) {
    recordset_ = std::move(recordset);
    if (!recordset_)
        return;
    if (grid_)
        grid_->setDataSource(recordset_);
    showRow();
    changeStatus(status_, host::status_reason::Rebound);
}

void VirtualFrameModel::endBulkChange() {
    if (bulk_ > 0 && --bulk_ == 0)
        showRow();
}

qint32 VirtualFrameModel::queryClose(bool ask, int, bool allowCancel) {
    if (closed_ || status_ == status::Browse || (status_ == status::Adding && !newRowEdited_))
        return -1;
    if (!ask)
        return 0;
    const qint32 buttons = allowCancel ? host::message_style::YesNoCancel : host::message_style::YesNo;
    const qint32 answer = message(PendingEditQuestion, buttons + host::message_style::Question);
    if (answer == host::message_answer::Yes)
        return save(true, true) ? -1 : 0;
    if (answer == host::message_answer::No)
        return undo() ? -1 : 0;
    return 0;
}

void VirtualFrameModel::close() {
    if (closed_)
        return;
    if (recordset_ && recordset_->isOpen() && recordset_->pendingEdit() != ado::EditMode::None)
        recordset_->cancelUpdate();
    status_ = status::Browse;
    disconnectAll();
    closed_ = true;
}

void VirtualFrameModel::detach() {
    close();
    if (grid_ && grid_->dataSource() == recordset_)
        grid_->setDataSource(nullptr);
    if (auto* model = dynamic_cast<GridNavigatorModel*>(navigator_.get()))
        model->detachFrame();
    bindings_.clear();
    keyControl_.reset();
    recordset_.reset();
    connection_.reset();
    grid_.reset();
    navigator_.reset();
}

qint32 VirtualFrameModel::message(const QString& text, qint32 style) {
    const std::shared_ptr<host::MessageService> service = messages_ ? messages_() : nullptr;
    if (!service)
        throw automation::Error(automation::errors::ObjectRequired, QStringLiteral("VirtualFrame"),
                                QStringLiteral("Object required: no message service for \"%1\"").arg(text));
    service->initialize(host_.lock());
    return service->showMessage(text, style, messageTitle(), false, 0);
}

QString VirtualFrameModel::messageTitle() const {
    if (const auto host = host_.lock()) {
        const QString caption = automation::cstr(host->caption());
        if (!caption.isEmpty())
            return caption;
    }
    const std::shared_ptr<host::Control> controls[] = {grid_, navigator_};
    for (const std::shared_ptr<host::Control>& control : controls) {
        if (ModelNode* node = nodeOf(control.get()))
            return node->root().control().caption();
    }
    return QString();
}

}  // namespace suite
