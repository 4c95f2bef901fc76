#include "ado/fields.h"

#include "ado/error.h"
#include "ado/recordset_p.h"
#include "automation/error.h"

namespace ado {

int Fields::count() const {
    const Recordset::Private& d = *recordset_->d_;
    return static_cast<int>(d.store ? d.store->columns().size() : d.appended.size());
}

Field Fields::item(int index) const {
    recordset_->d_->column(index);
    return Field(recordset_, index);
}

Field Fields::item(const QString& name) const { return Field(recordset_, recordset_->d_->fieldIndex(name)); }

int Fields::indexOf(const QString& name) const { return recordset_->d_->indexOf(name); }

void Fields::append(const QString& name, DataType type, qint64 definedSize) {
    Recordset::Private& d = *recordset_->d_;
    if (d.store)
        throw adoError(automation::errors::ObjectOpen, QStringLiteral("ADODB.Fields"));
    d.appended.push_back(ColumnInfo::appended(name, type, definedSize));
}

}  // namespace ado
