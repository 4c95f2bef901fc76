#pragma once

#include <QtGlobal>

// ADO's enumerations, with ADO's numeric values so that late-bound callers (host scripts) can pass the
// numbers they know.
namespace ado {

enum class ObjectState { Closed = 0, Open = 1 };

// Rows are always held client-side; the cursor location and type are recorded and reported, and every
// recordset behaves as a static client cursor (which is what ADO gives for client-side cursors).
enum class CursorLocation { Server = 2, Client = 3 };
enum class CursorType { Unspecified = -1, ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };

// ReadOnly refuses writes; Optimistic writes each row at update(); BatchOptimistic keeps changes pending
// until updateBatch(). Pessimistic behaves as Optimistic.
enum class LockType { Unspecified = -1, ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };

enum class EditMode { None = 0, InProgress = 1, Add = 2, Delete = 4 };

// Which rows updateBatch() and cancelBatch() touch: the current row, the rows visible under the filter,
// or every row.
enum class Affect { Current = 1, Group = 2, All = 3 };

// What a statement text may hold: any batch of statements, or the one statement its caller built.
enum class TextKind { Batch, Statement };

// ADO's DataTypeEnum (only the codes this layer produces or accepts).
enum class DataType {
    Empty = 0,
    SmallInt = 2,
    Integer = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    BSTR = 8,
    Boolean = 11,
    Variant = 12,
    Decimal = 14,
    TinyInt = 16,
    UnsignedTinyInt = 17,
    BigInt = 20,
    Guid = 72,
    Binary = 128,
    Char = 129,
    WChar = 130,
    Numeric = 131,
    DBDate = 133,
    DBTime = 134,
    DBTimeStamp = 135,
    VarChar = 200,
    LongVarChar = 201,
    VarWChar = 202,
    LongVarWChar = 203,
    VarBinary = 204,
    LongVarBinary = 205,
};

// Marks of the data a connection reads (Connection::dataVersion()): equal marks, the same data.
struct DataVersion {
    quint64 session = 0;    // which opening of the connection
    qint64 ownChanges = 0;  // rows this connection inserted, updated or deleted
    qint64 rollbacks = 0;   // its transactions and savepoints undone
    qint64 committed = 0;   // other connections' commits
    qint64 schema = 0;      // tables created, altered or dropped
    bool operator==(const DataVersion&) const = default;
};

// AbsolutePosition's special values.
constexpr qint64 PosUnknown = -1;
constexpr qint64 PosBof = -2;
constexpr qint64 PosEof = -3;

}  // namespace ado
