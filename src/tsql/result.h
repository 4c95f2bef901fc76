#pragma once

#include <QString>
#include <QVariant>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace tsql {

// One column of a result set as SQLite describes it. table/origin are empty for computed columns;
// they tell the data layer where a recordset writes the column back.
struct Column {
    QString name;          // the column's name in the result (alias if any)
    QString declaredType;  // the declared type of the origin column, or empty
    QString table;         // sqlite3_column_table_name
    QString origin;        // sqlite3_column_origin_name
};

// A value is Null (automation::null()), qint64, double, QString or QByteArray.
using Row = std::vector<QVariant>;

// The rows of a result, kept as one block of cells: numbers as they are, text and binary data as bytes in one
// buffer, turned into a QString or QByteArray only when read. Reading a result thus makes no object per row or
// per text cell, and dropping it frees three blocks. A row read whole (row(), iteration) is a copy.
class Rows {
public:
    class const_iterator {
    public:
        using value_type = Row;
        using difference_type = std::ptrdiff_t;
        const_iterator(const Rows* rows, std::size_t row) : rows_(rows), row_(row) {}
        Row operator*() const { return rows_->row(row_); }
        const_iterator& operator++() {
            ++row_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return row_ == other.row_; }

    private:
        const Rows* rows_;
        std::size_t row_;
    };

    Rows() = default;
    // Empty rows of width values each.
    explicit Rows(std::size_t width) : width_(width) {}

    std::size_t width() const { return width_; }
    std::size_t size() const { return width_ ? cells_.size() / width_ : rows_; }
    bool empty() const { return size() == 0; }
    // The value of one cell; row < size(), column < width().
    QVariant value(std::size_t row, std::size_t column) const;
    bool isNull(std::size_t row, std::size_t column) const { return cells_[row * width_ + column].kind == Kind::Null; }
    Row row(std::size_t row) const;
    Row operator[](std::size_t row) const { return this->row(row); }
    Row front() const { return row(0); }
    Row back() const { return row(size() - 1); }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // A whole row; the first row appended to rows of no width gives them its width.
    void push_back(const Row& row);
    // A row cell by cell: width() cells make a row.
    void appendNull() { cells_.push_back(Cell{0, 0, Kind::Null}); }
    void appendInteger(qint64 value) { cells_.push_back(Cell{value, 0, Kind::Integer}); }
    void appendReal(double value) {
        qint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        cells_.push_back(Cell{bits, 0, Kind::Real});
    }
    void appendText(const char* utf8, int size) { appendBytes(utf8, size, Kind::Text); }
    // data may be null for an empty value (SQLite's zero-length blob), which reads as a null QByteArray.
    void appendBlob(const void* data, int size);

private:
    enum class Kind : unsigned char { Null, Integer, Real, Text, Blob, Other };
    // number: the integer, the double's bits, the offset of the bytes or the index of the other value.
    struct Cell {
        qint64 number;
        qint32 size;
        Kind kind;
    };
    void appendBytes(const char* data, int size, Kind kind) {
        cells_.push_back(Cell{static_cast<qint64>(bytes_.size()), size, kind});
        bytes_.append(data, static_cast<std::size_t>(size));
    }

    std::size_t width_ = 0;
    std::size_t rows_ = 0;  // rows of no columns
    std::vector<Cell> cells_;
    std::string bytes_;
    std::vector<QVariant> others_;  // values of other types, kept as they came
};

struct ResultSet {
    std::vector<Column> columns;
    Rows rows;
};

// What running a batch produced: every result set in order (the caller reads the last one) and the
// rows affected by the last statement that changed rows (-1 when none did).
struct BatchResult {
    std::vector<ResultSet> resultSets;
    long long rowsAffected = -1;
};

}  // namespace tsql
