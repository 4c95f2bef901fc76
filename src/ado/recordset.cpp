#include "ado/recordset.h"

#include "ado/connection.h"
#include "ado/engine.h"
#include "ado/error.h"
#include "ado/recordset_p.h"
#include "automation/error.h"

#include <algorithm>
#include <atomic>

namespace ado {

namespace {

const QString Source = QStringLiteral("ADODB.Recordset");
const QString UniqueTable = QStringLiteral("Unique Table");

[[noreturn]] void raise(long number) { throw adoError(number, Source); }

[[noreturn]] void raise(long number, const QString& detail) {
    const automation::Error base = adoError(number, Source);
    throw automation::Error(base.number(), base.source(), base.description() + QLatin1Char(' ') + detail);
}

std::atomic<quint64> serials{0};

}  // namespace

Recordset::Private::Private() : serial(++serials) {}

void Recordset::Private::requireOpen() const {
    if (!store)
        raise(automation::errors::ObjectClosed);
}

void Recordset::Private::requireUpdatable() const {
    requireOpen();
    if (store->isReadOnly())
        raise(errors::UpdateNotSupported);
}

const ColumnInfo& Recordset::Private::column(int index) const {
    const std::vector<ColumnInfo>& columns = store ? store->columns() : appended;
    if (index < 0 || static_cast<std::size_t>(index) >= columns.size())
        raise(automation::errors::ItemNotFound);
    return columns[static_cast<std::size_t>(index)];
}

int Recordset::Private::indexOf(const QString& name) const {
    if (store)
        return store->indexOf(name);
    for (std::size_t i = 0; i < appended.size(); ++i) {
        if (appended[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int Recordset::Private::fieldIndex(const QString& name) const {
    const int index = indexOf(name);
    if (index < 0)
        raise(automation::errors::ItemNotFound, QStringLiteral("(field \"%1\")").arg(name));
    return index;
}

void Recordset::Private::resync() {
    if (store->resetVersion() != resetVersion) {
        rebuild(true);
        return;
    }
    const auto rows = static_cast<std::size_t>(store->rowCount());
    const auto size = static_cast<qint64>(view.size());
    std::vector<int> next;
    next.reserve(view.size() + (rows - known));
    qint64 newPos = pos;
    for (qint64 i = 0; i < size; ++i) {
        const int row = view[static_cast<std::size_t>(i)];
        if (i == pos)
            newPos = static_cast<qint64>(next.size());
        if (store->isVisible(row)) {
            next.push_back(row);
        } else if (i == pos && !onDeleted) {
            onDeleted = true;
            deletedRow = row;
        }
    }
    for (int row = static_cast<int>(known); row < static_cast<int>(rows); ++row) {
        if (shows(row))
            next.push_back(row);
    }
    if (pos >= size)
        newPos = static_cast<qint64>(next.size());
    view = std::move(next);
    pos = newPos;
    known = rows;
    version = store->version();
}

bool Recordset::Private::shows(int row) const {
    return store->isVisible(row) && (!filter || filter->matches([&](int column) { return store->value(row, column); }));
}

void Recordset::Private::rebuild(bool keepCurrent) {
    const int current = keepCurrent && !onDeleted && pos >= 0 && pos < static_cast<qint64>(view.size())
                            ? view[static_cast<std::size_t>(pos)]
                            : -1;
    const int rows = store->rowCount();
    view.clear();
    view.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        if (shows(row))
            view.push_back(row);
    }
    if (sort) {
        // Each row's values read once, not once per comparison.
        std::vector<tsql::Row> keys(static_cast<std::size_t>(rows));
        for (int row : view)
            keys[static_cast<std::size_t>(row)] = store->values(row);
        std::stable_sort(view.begin(), view.end(), [&](int a, int b) {
            return sort->less(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        });
    }
    known = static_cast<std::size_t>(rows);
    version = store->version();
    resetVersion = store->resetVersion();
    onDeleted = false;
    deletedRow = -1;
    pos = 0;
    if (current >= 0) {
        const auto it = std::find(view.begin(), view.end(), current);
        if (it != view.end())
            pos = it - view.begin();
    }
}

void Recordset::Private::compile() {
    const auto index = [this](const QString& name) { return store->indexOf(name); };
    filter.reset();
    sort.reset();
    if (!filterText.trimmed().isEmpty())
        filter = FilterExpression::parse(filterText, index);
    if (!sortText.trimmed().isEmpty())
        sort = SortOrder::parse(sortText, index);
}

void Recordset::Private::setViewText(QString& text, const QString& value) {
    if (!store) {
        // Taken by open(), which checks it against the columns it gets.
        text = value;
        return;
    }
    leave();
    const QString previous = text;
    text = value;
    try {
        compile();
    } catch (const automation::Error&) {
        text = previous;
        compile();
        throw;
    }
    rebuild(false);
}

void Recordset::Private::leave() {
    if (store && store->editRow() >= 0 && store->editOwner() == serial)
        store->commitEdit();
}

int Recordset::Private::checkedCurrentRow() {
    requireOpen();
    sync();
    if (onDeleted)
        raise(errors::DeletedRow);
    if (pos < 0 || pos >= static_cast<qint64>(view.size()))
        raise(automation::errors::BofOrEof);
    return view[static_cast<std::size_t>(pos)];
}

void Recordset::Private::applyToScope(Affect affect, void (RowStore::*batch)(const std::vector<int>*)) {
    requireOpen();
    if (affect == Affect::All) {
        (store.get()->*batch)(nullptr);
    } else {
        sync();
        std::vector<int> rows;
        if (affect == Affect::Current) {
            rows.push_back(onDeleted ? deletedRow : currentRow());
        } else {
            rows = view;
            if (onDeleted)
                rows.push_back(deletedRow);
        }
        (store.get()->*batch)(&rows);
    }
    sync();
}

Recordset::Recordset() : d_(std::make_unique<Private>()), fields_(this) {}

Recordset::~Recordset() {
    if (d_->store && d_->store->editOwner() == d_->serial)
        d_->store->setEditOwner(0);
}

CursorLocation Recordset::cursorLocation() const { return d_->cursorLocation; }
void Recordset::setCursorLocation(CursorLocation location) { d_->cursorLocation = location; }
CursorType Recordset::cursorType() const { return d_->cursorType; }
void Recordset::setCursorType(CursorType type) {
    if (type != CursorType::Unspecified)
        d_->cursorType = type;
}
LockType Recordset::lockType() const { return d_->lockType; }
void Recordset::setLockType(LockType type) {
    if (d_->store)
        raise(automation::errors::ObjectOpen);
    if (type != LockType::Unspecified)
        d_->lockType = type;
}
std::shared_ptr<Connection> Recordset::activeConnection() const { return d_->connection; }
void Recordset::setActiveConnection(std::shared_ptr<Connection> connection) { d_->connection = std::move(connection); }
QString Recordset::source() const { return d_->source; }

QVariant Recordset::property(const QString& name) const {
    if (name.compare(UniqueTable, Qt::CaseInsensitive) != 0) {
        raise(automation::errors::ItemNotFound, QStringLiteral("(property \"%1\")").arg(name));
    }
    return d_->uniqueTable;
}

void Recordset::setProperty(const QString& name, const QVariant& value) {
    if (name.compare(UniqueTable, Qt::CaseInsensitive) != 0) {
        raise(automation::errors::ItemNotFound, QStringLiteral("(property \"%1\")").arg(name));
    }
    d_->uniqueTable = value.toString().trimmed();
    if (d_->store)
        d_->store->setUniqueTable(d_->uniqueTable);
}

void Recordset::open(const QString& source, std::shared_ptr<Connection> connection, CursorType cursorType,
                     LockType lockType) {
    if (d_->store)
        raise(automation::errors::ObjectOpen);
    setCursorType(cursorType);
    setLockType(lockType);
    if (connection)
        d_->connection = std::move(connection);
    if (source.isEmpty()) {
        if (d_->appended.empty())
            raise(errors::ConnectionCannotBeUsed);
        d_->store = std::make_shared<RowStore>(d_->appended, tsql::Rows(), nullptr, d_->lockType);
        d_->source.clear();
        d_->compile();
        d_->rebuild(false);
        return;
    }
    if (!d_->connection)
        raise(errors::ConnectionCannotBeUsed);
    tsql::BatchResult result = d_->connection->executeText(source);
    if (!result.resultSets.empty())
        openResult(source, d_->connection, std::move(result.resultSets.back()));
}

void Recordset::openResult(const QString& source, std::shared_ptr<Connection> connection, tsql::ResultSet&& rows) {
    std::vector<ColumnInfo> columns;
    columns.reserve(rows.columns.size());
    for (std::size_t i = 0; i < rows.columns.size(); ++i)
        columns.push_back(ColumnInfo::fromResult(rows.columns[i], rows, i));
    d_->connection = connection;
    d_->source = source;
    d_->store =
        std::make_shared<RowStore>(std::move(columns), std::move(rows.rows), std::move(connection), d_->lockType);
    d_->store->setUniqueTable(d_->uniqueTable);
    d_->compile();
    d_->rebuild(false);
}

void Recordset::requery() {
    d_->requireOpen();
    d_->leave();
    if (d_->store->isInMemory()) {
        d_->rebuild(false);
        return;
    }
    std::shared_ptr<RowStore> previous = std::move(d_->store);
    try {
        tsql::BatchResult result = d_->connection->executeText(d_->source);
        if (result.resultSets.empty())
            return;
        openResult(d_->source, d_->connection, std::move(result.resultSets.back()));
    } catch (...) {
        if (!d_->store)
            d_->store = std::move(previous);
        throw;
    }
}

void Recordset::close() {
    d_->requireOpen();
    if (d_->store->editOwner() == d_->serial)
        d_->store->setEditOwner(0);
    d_->store.reset();
    d_->appended.clear();
    d_->view.clear();
    d_->pos = -1;
    d_->onDeleted = false;
    d_->filter.reset();
    d_->sort.reset();
    d_->filterText.clear();
    d_->sortText.clear();
}

ObjectState Recordset::state() const { return d_->store ? ObjectState::Open : ObjectState::Closed; }

std::shared_ptr<Recordset> Recordset::clone() const {
    d_->requireOpen();
    auto copy = std::make_shared<Recordset>();
    Private& c = *copy->d_;
    c.cursorLocation = d_->cursorLocation;
    c.cursorType = d_->cursorType;
    c.lockType = d_->lockType;
    c.connection = d_->connection;
    c.source = d_->source;
    c.uniqueTable = d_->uniqueTable;
    c.appended = d_->appended;
    c.store = d_->store;
    c.rebuild(false);
    return copy;
}

bool Recordset::isBof() const {
    d_->requireOpen();
    d_->sync();
    return !d_->onDeleted && (d_->pos < 0 || d_->view.empty());
}

bool Recordset::isEof() const {
    d_->requireOpen();
    d_->sync();
    return !d_->onDeleted && d_->pos >= static_cast<qint64>(d_->view.size());
}

qint64 Recordset::recordCount() const {
    d_->requireOpen();
    d_->sync();
    return static_cast<qint64>(d_->view.size());
}

qint64 Recordset::absolutePosition() const {
    d_->requireOpen();
    d_->sync();
    if (d_->onDeleted)
        return PosUnknown;
    if (d_->pos < 0 || d_->view.empty())
        return PosBof;
    if (d_->pos >= static_cast<qint64>(d_->view.size()))
        return PosEof;
    return d_->pos + 1;
}

void Recordset::setAbsolutePosition(qint64 position) {
    d_->requireOpen();
    d_->sync();
    if (position < 1 || position > static_cast<qint64>(d_->view.size())) {
        raise(automation::errors::ArgumentsWrongType, QStringLiteral("(AbsolutePosition %1)").arg(position));
    }
    d_->leave();
    d_->sync();
    d_->onDeleted = false;
    d_->pos = position - 1;
}

QVariant Recordset::bookmark() const { return QVariant(static_cast<qint64>(d_->currentRow()) + 1); }

void Recordset::setBookmark(const QVariant& bookmark) {
    d_->requireOpen();
    bool ok = false;
    const qint64 row = bookmark.toLongLong(&ok) - 1;
    d_->leave();
    d_->sync();
    const auto it = ok ? std::find(d_->view.begin(), d_->view.end(), row) : d_->view.end();
    if (it == d_->view.end())
        raise(automation::errors::ArgumentsWrongType, QStringLiteral("(Bookmark)"));
    d_->onDeleted = false;
    d_->pos = it - d_->view.begin();
}

void Recordset::moveFirst() {
    d_->requireOpen();
    d_->leave();
    d_->sync();
    d_->onDeleted = false;
    d_->pos = 0;
}

void Recordset::moveLast() {
    d_->requireOpen();
    d_->leave();
    d_->sync();
    d_->onDeleted = false;
    // Empty: stays at BOF and EOF (pos 0 is EOF of an empty view).
    d_->pos = std::max<qint64>(static_cast<qint64>(d_->view.size()) - 1, 0);
}

void Recordset::moveNext() { move(1); }

void Recordset::movePrevious() { move(-1); }

void Recordset::move(qint64 rows) {
    d_->requireOpen();
    d_->sync();
    if (rows == 0) {
        if (!d_->onDeleted && (d_->pos < 0 || d_->pos >= static_cast<qint64>(d_->view.size()))) {
            raise(automation::errors::BofOrEof);
        }
        return;
    }
    if (!d_->onDeleted && ((rows > 0 && d_->pos >= static_cast<qint64>(d_->view.size())) ||
                           (rows < 0 && (d_->pos < 0 || d_->view.empty())))) {
        raise(automation::errors::BofOrEof);
    }
    if (d_->store->editRow() >= 0) {
        d_->leave();
        d_->sync();
    }
    const auto size = static_cast<qint64>(d_->view.size());
    // On a deleted row, pos already is the row after it.
    const qint64 from = d_->onDeleted && rows > 0 ? d_->pos - 1 : d_->pos;
    d_->onDeleted = false;
    d_->pos = std::clamp<qint64>(from + rows, -1, size);
}

QString Recordset::filter() const { return d_->filterText; }

void Recordset::setFilter(const QString& filter) { d_->setViewText(d_->filterText, filter); }

QString Recordset::sort() const { return d_->sortText; }

void Recordset::setSort(const QString& sort) { d_->setViewText(d_->sortText, sort); }

QVariant Recordset::value(int index) const {
    const int row = d_->currentRow();
    if (index < 0 || index >= d_->store->width(row))
        raise(automation::errors::ItemNotFound);
    return d_->store->value(row, index);
}

QVariant Recordset::value(const QString& name) const { return value(d_->fieldIndex(name)); }

void Recordset::setValue(int index, const QVariant& value) {
    d_->requireUpdatable();
    const int row = d_->currentRow();
    d_->column(index);
    d_->store->setValue(row, index, value, d_->serial);
}

void Recordset::setValue(const QString& name, const QVariant& value) { setValue(d_->fieldIndex(name), value); }

EditMode Recordset::editMode() const {
    d_->requireOpen();
    d_->sync();
    if (d_->onDeleted)
        raise(automation::errors::BofOrEof);
    const int row = d_->currentRow();
    if (d_->store->editRow() >= 0)
        return d_->store->editMode();
    switch (d_->store->status(row)) {
    case RowStatus::New: return EditMode::Add;
    case RowStatus::Modified: return EditMode::InProgress;
    default: return EditMode::None;
    }
}

EditMode Recordset::pendingEdit() const {
    d_->requireOpen();
    return d_->store->editMode();
}

void Recordset::addNew() {
    d_->requireUpdatable();
    d_->sync();
    const int before = !d_->onDeleted && d_->pos >= 0 && d_->pos < static_cast<qint64>(d_->view.size())
                           ? d_->view[static_cast<std::size_t>(d_->pos)]
                           : -1;
    const int row = d_->store->addRow(d_->serial);
    d_->sync();  // takes the new row in when the filter shows it
    if (d_->view.empty() || d_->view.back() != row)
        d_->view.push_back(row);
    d_->rowBeforeAdd = before;
    d_->onDeleted = false;
    d_->pos = static_cast<qint64>(d_->view.size()) - 1;
}

void Recordset::update() {
    d_->requireOpen();
    d_->store->commitEdit();
}

void Recordset::cancelUpdate() {
    d_->requireOpen();
    const bool wasMyAdd = d_->store->editMode() == EditMode::Add && d_->store->editOwner() == d_->serial;
    d_->store->cancelEdit();
    d_->sync();
    if (!wasMyAdd)
        return;
    d_->onDeleted = false;
    const auto it = std::find(d_->view.begin(), d_->view.end(), d_->rowBeforeAdd);
    d_->pos = it != d_->view.end() ? it - d_->view.begin() : static_cast<qint64>(d_->view.size());
}

void Recordset::deleteCurrent() {
    d_->requireUpdatable();
    d_->store->deleteRow(d_->currentRow());
    d_->sync();
}

void Recordset::updateBatch(Affect affect) { d_->applyToScope(affect, &RowStore::updateBatch); }

void Recordset::cancelBatch(Affect affect) { d_->applyToScope(affect, &RowStore::cancelBatch); }

}  // namespace ado
