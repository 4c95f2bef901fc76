#pragma once

#include "ado/field.h"
#include "ado/types.h"

#include <QString>

namespace ado {

class Recordset;

// A recordset's Fields collection. item() by name is case-insensitive; an unknown name or index raises
// ItemNotFound.
class Fields {
public:
    int count() const;
    Field item(int index) const;
    Field item(const QString& name) const;
    // The index of a field, or -1.
    int indexOf(const QString& name) const;

    // Defines a field of an in-memory recordset before it is opened without a source. definedSize 0 takes
    // the type's own size.
    void append(const QString& name, DataType type, qint64 definedSize = 0);

private:
    friend class Recordset;
    explicit Fields(Recordset* recordset) : recordset_(recordset) {}

    Recordset* recordset_;
};

}  // namespace ado
