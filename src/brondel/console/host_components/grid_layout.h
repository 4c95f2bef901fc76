#pragma once

#include "brondel/console/host_components/grid_column.h"
#include "brondel/console/host_components/object.h"

#include <QList>
#include <QString>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {

class Cinterface;

// A grid's column layout object: the column definitions handed to a grid before it closes its column
// definition.
class GridLayout : public Object {
public:
    // recordset: the rows the grid shows, or nothing to take them from the grid's frame or data source;
    // keyField identifies a row; option 0 is the plain layout.
    virtual void initialize(std::shared_ptr<Cinterface> host, std::shared_ptr<ado::Recordset> recordset,
                            const QString& keyField, int option) = 0;
    virtual QString keyField() const = 0;
    virtual std::shared_ptr<ado::Recordset> recordset() const = 0;
    virtual int option() const = 0;
    // The grid keeps its rows while the user edits a cell (the editable composition grid sets it).
    virtual bool allowsEditing() const = 0;
    virtual void setAllowsEditing(bool allow) = 0;

    virtual void addColumn(const QString& field, const QString& caption, int kind, int width, bool visible) = 0;
    virtual void addCheckColumn(const QString& field, const QString& caption, const QString& checkedValue,
                                const QString& uncheckedValue, bool selectAllChecked, int width, bool visible) = 0;
    // The shown text of a stored code comes from the statement's rows (code in the first column, text in
    // the second), run on the host's connection.
    virtual void addValueListColumn(const QString& field, const QString& statement, const QString& caption,
                                    int width) = 0;

    virtual QList<GridColumn> columns() const = 0;
};

}  // namespace host
