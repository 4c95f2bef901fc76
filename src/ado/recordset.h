#pragma once

#include "ado/fields.h"
#include "ado/types.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace tsql {
struct ResultSet;
}

namespace ado {

class Connection;

// An ADO recordset with client-side rows.
//
// Rows and clones. open() runs a statement on a connection and keeps every row of its (last) result set;
// open() with no source and no connection after fields().append() gives an empty in-memory recordset.
// clone() gives a second recordset over the same rows: a value written, a row added or deleted through
// one is seen by every clone, pending edits and batch changes included; each keeps its own position,
// filter and sort. requery() runs the statement again into new rows that no former clone shares.
//
// Cursor. A recordset is at BOF (before the first visible row), at EOF (after the last), or on a row.
//   - open, requery, setFilter, setSort: on the first visible row; an empty result is BOF and EOF at once.
//   - moveFirst/moveLast: on the first/last row; on an empty recordset BOF and EOF stay true. ADO raises
//     BofOrEof there; this layer does not, because the console and the host walk every recordset with
//     "for (moveFirst(); !isEof(); moveNext())", empty ones included.
//   - moveNext from the last row gives EOF, movePrevious from the first gives BOF; moveNext at EOF and
//     movePrevious at BOF raise BofOrEof. move(n) moves n rows from the current one and stops at BOF or EOF;
//     move(0) refreshes the current row and raises BofOrEof at BOF or EOF.
//   - deleteCurrent: the deleted row stays current (its values raise DeletedRow, absolutePosition() is
//     PosUnknown, BOF and EOF are false) until the next move; moveNext then reaches the row that followed
//     it, movePrevious the row before it. Clones standing on a row deleted elsewhere behave the same way.
//   - addNew: on the new row, which is added after the last row of this recordset, filter notwithstanding.
//   - cancelUpdate of an addNew: back on the row that was current before addNew.
// absolutePosition() is 1..recordCount() on a row, PosBof at BOF (also when empty), PosEof at EOF.
// bookmark() identifies a row for the life of the rows: sort, filter and clones do not change it; a clone
// accepts its original's bookmarks. setBookmark() to a row hidden by the filter raises ArgumentsWrongType.
// recordCount() is the number of rows visible under the filter (rows deleted or pending deletion excluded).
//
// Filter: "field op value" with = <> < > <= >= LIKE, joined with AND/OR (any case) and parentheses;
// value is 'text' ('' inside for a quote), a number (12, -1.5, 2.5E2, $50.00), a date in pound signs
// (#2000-01-31#, #1/31/2000 08:30:00#, quoted inside or not: #'1/31/2000'#; month first, as ADO reads it)
// or Null; field may be [bracketed]. Text compares
// case-insensitively with trailing blanks ignored, as the database's DATABASE_DEFAULT collation does.
// LIKE takes * or % for any run of characters. An empty filter shows every row. Sort: "F1 ASC, F2 DESC"
// (ASC when omitted), stable, Null first. Filter and sort set on a closed recordset are kept and apply at
// open(), which raises when they do not fit its columns; close() forgets them.
//
// open() with neither source nor appended fields, or a source and no connection, raises
// ConnectionCannotBeUsed. close() also forgets the appended fields: fields().count() is 0 when closed.
//
// Edits. setValue() starts the edit of the current row (editMode() InProgress); addNew() starts a new row
// (Add). The edit belongs to the rows, so clones see the edited values and update() or cancelUpdate()
// through any of them ends it. Moving the recordset that started the edit, or starting an edit on
// another row, calls update() first, as ADO does. update():
//   - Optimistic: writes the row at once (UPDATE or INSERT), then its original values become the new ones;
//   - BatchOptimistic: keeps the change pending until updateBatch(); cancelBatch() undoes it;
//   - in-memory recordsets keep every change locally.
// deleteCurrent() deletes at once (Optimistic) or marks the row for updateBatch() (BatchOptimistic).
//
// Write-back. Each column is written to the table it came from (the engine's origin table; the dynamic
// property "Unique Table" restricts writes to that table). A row is addressed by the table's primary key
// with its original values and, for an update, by the original values of the changed columns; a write that
// matches no row raises RowNotFoundForUpdate "Row cannot be located for updating. Some values may have
// been changed since it was last read.". Constraint failures raise IntegrityViolation with the engine's
// message. Recordsets opened ReadOnly (the default, and Connection::execute()'s) refuse edits with
// errors::UpdateNotSupported.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Settings, taken by open().
    CursorLocation cursorLocation() const;
    void setCursorLocation(CursorLocation location);
    CursorType cursorType() const;
    void setCursorType(CursorType type);
    LockType lockType() const;
    void setLockType(LockType type);
    std::shared_ptr<Connection> activeConnection() const;
    void setActiveConnection(std::shared_ptr<Connection> connection);
    QString source() const;

    // Dynamic properties; "Unique Table" is the one this layer knows (others raise ItemNotFound).
    QVariant property(const QString& name) const;
    void setProperty(const QString& name, const QVariant& value);

    // Opens a statement on a connection (activeConnection() when none is given), or with neither an
    // in-memory recordset of the appended fields. A statement that yields no rows leaves the recordset
    // closed. Unspecified keeps the current settings.
    void open(const QString& source = QString(), std::shared_ptr<Connection> connection = nullptr,
              CursorType cursorType = CursorType::Unspecified, LockType lockType = LockType::Unspecified);
    void requery();
    // Discards a pending edit of the rows when no clone shares them any more.
    void close();
    ObjectState state() const;
    bool isOpen() const { return state() == ObjectState::Open; }
    std::shared_ptr<Recordset> clone() const;

    bool isBof() const;
    bool isEof() const;
    qint64 recordCount() const;
    qint64 absolutePosition() const;
    void setAbsolutePosition(qint64 position);
    QVariant bookmark() const;
    void setBookmark(const QVariant& bookmark);
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(qint64 rows);

    QString filter() const;
    void setFilter(const QString& filter);
    QString sort() const;
    void setSort(const QString& sort);

    Fields& fields() { return fields_; }
    const Fields& fields() const { return fields_; }
    // Short forms of fields().item(...).value() / setValue().
    QVariant value(int index) const;
    QVariant value(const QString& name) const;
    void setValue(int index, const QVariant& value);
    void setValue(const QString& name, const QVariant& value);

    // The current row's: the pending edit's mode, else, pending an updateBatch(), Add for a new row and
    // InProgress for a changed one. Raises BofOrEof at BOF, at EOF or on a deleted row.
    EditMode editMode() const;
    // The rows' pending edit (started by setValue() or addNew(), not yet updated or cancelled), wherever
    // this recordset stands: None when there is none.
    EditMode pendingEdit() const;
    void addNew();
    void update();
    void cancelUpdate();
    void deleteCurrent();
    void updateBatch(Affect affect = Affect::All);
    void cancelBatch(Affect affect = Affect::All);

private:
    friend class Connection;
    friend class Field;
    friend class Fields;
    struct Private;

    void openResult(const QString& source, std::shared_ptr<Connection> connection, tsql::ResultSet&& rows);

    std::unique_ptr<Private> d_;
    Fields fields_;
};

}  // namespace ado
