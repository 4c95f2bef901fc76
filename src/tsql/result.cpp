#include "tsql/result.h"

#include "automation/variant.h"

#include <QByteArray>
#include <cstring>

namespace tsql {

namespace {

// A variant holding the value moved into it: QVariant(const T&) would copy it, one reference count taken
// and dropped per value read. The variant starts with an empty T (no data to count) and is nobody else's,
// so its own T is written in place without data()'s detach.
template <class T>
QVariant holding(T&& value) {
    QVariant v{T()};
    *static_cast<T*>(const_cast<void*>(v.constData())) = std::move(value);
    return v;
}

}  // namespace

QVariant Rows::value(std::size_t row, std::size_t column) const {
    const Cell& cell = cells_[row * width_ + column];
    switch (cell.kind) {
    case Kind::Integer: return QVariant(static_cast<qlonglong>(cell.number));
    case Kind::Real: {
        double real;
        std::memcpy(&real, &cell.number, sizeof real);
        return QVariant(real);
    }
    case Kind::Text: return holding(QString::fromUtf8(bytes_.data() + cell.number, cell.size));
    case Kind::Blob: return holding(QByteArray(bytes_.data() + cell.number, cell.size));
    case Kind::Other: return others_[static_cast<std::size_t>(cell.number)];
    case Kind::Null: break;
    }
    return automation::null();
}

Row Rows::row(std::size_t row) const {
    Row values;
    values.reserve(width_);
    for (std::size_t column = 0; column < width_; ++column)
        values.push_back(value(row, column));
    return values;
}

void Rows::push_back(const Row& row) {
    if (cells_.empty() && rows_ == 0)
        width_ = row.size();
    if (width_ == 0) {
        ++rows_;
        return;
    }
    for (const QVariant& v : row) {
        switch (v.metaType().id()) {
        case QMetaType::LongLong: appendInteger(v.toLongLong()); break;
        case QMetaType::Double: appendReal(v.toDouble()); break;
        default:
            if (automation::isNull(v)) {
                appendNull();
            } else {
                cells_.push_back(Cell{static_cast<qint64>(others_.size()), 0, Kind::Other});
                others_.push_back(v);
            }
        }
    }
}

void Rows::appendBlob(const void* data, int size) {
    if (!data) {
        cells_.push_back(Cell{static_cast<qint64>(others_.size()), 0, Kind::Other});
        others_.emplace_back(QByteArray());
        return;
    }
    appendBytes(static_cast<const char*>(data), size, Kind::Blob);
}

}  // namespace tsql
