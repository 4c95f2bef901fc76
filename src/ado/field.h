#pragma once

#include "ado/types.h"

#include <QString>
#include <QVariant>

namespace ado {

class Recordset;

// A field of a recordset's current row: a small handle (recordset and column), cheap to copy, valid while
// the recordset lives. Reading or writing a value needs a current row (errors BofOrEof, DeletedRow).
class Field {
public:
    QString name() const;
    // Null is automation::null(); integers are qint64, reals double, text QString.
    QVariant value() const;
    // Starts or continues the edit of the current row (see Recordset).
    void setValue(const QVariant& value);
    // The value as last read from or written to the database (Null on a row being added).
    QVariant originalValue() const;
    DataType type() const;
    // Characters for text types, bytes for the others.
    qint64 definedSize() const;
    int index() const { return index_; }

private:
    friend class Fields;
    Field(Recordset* recordset, int index) : recordset_(recordset), index_(index) {}

    Recordset* recordset_;
    int index_;
};

}  // namespace ado
