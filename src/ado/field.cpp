#include "ado/field.h"

#include "ado/recordset_p.h"
#include "automation/variant.h"

namespace ado {

QString Field::name() const { return recordset_->d_->column(index_).name; }

QVariant Field::value() const { return recordset_->value(index_); }

void Field::setValue(const QVariant& value) { recordset_->setValue(index_, value); }

QVariant Field::originalValue() const {
    const Record record = recordset_->d_->currentRecord();
    recordset_->d_->column(index_);
    return record.status == RowStatus::New ? automation::null() : record.original(static_cast<std::size_t>(index_));
}

DataType Field::type() const { return recordset_->d_->column(index_).type; }

qint64 Field::definedSize() const { return recordset_->d_->column(index_).definedSize; }

}  // namespace ado
