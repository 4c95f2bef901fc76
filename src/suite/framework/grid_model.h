#pragma once

#include "suite/framework/control_base.h"

#include "brondel/console/host_components/grid.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace suite {

// A data grid. Its rows are read from the data source each time they are asked for, in the data
// source's order (its filter and sort), so the grid always agrees with the recordset; its current row is
// the recordset's current row.
//
// Gestures: selectRow() moves the data source (BeforeRowChange lets a frame save or refuse first);
// tickCell() toggles a check cell (BeforeEdit when the column is editable, the new value written into the
// data source's row, CellChanged, SelectionBoxClick with the value before, and CheckEditToggleClick when
// the column is editable); editCell() confirms a new value in an editable column (BeforeEdit, then
// OnEdited with the row carrying the new value: the handlers write it where it belongs);
// clickSelectAll() toggles a check column's header box and raises SelectAllClickEXT; pressKey() raises
// KeyDown.
class GridModel : public ControlBase<host::Grid> {
public:
    // Rows sharing the values of the level-1 and level-2 columns, in order of first appearance.
    struct Group {
        QVariant level1;
        QVariant level2;
        QList<int> rows;
    };

    explicit GridModel(const host::ControlDesign& design);

    std::shared_ptr<ado::Recordset> dataSource() const override { return dataSource_; }
    void setDataSource(std::shared_ptr<ado::Recordset> recordset) override;

    std::shared_ptr<host::GridLayout> columnLayout() const override { return layout_; }
    void setColumnLayout(std::shared_ptr<host::GridLayout> layout) override;
    int layoutKind() const override { return layoutKind_; }
    void setLayoutKind(int kind) override { layoutKind_ = kind; }
    void beginColumnDefinition() override;
    void endColumnDefinition() override;
    void applyLayout() override;

    int columnCount() const override { return int(columns_.size()); }
    host::GridColumn column(int index) const override { return columns_.value(index); }
    QString columnField(int index) const override { return columns_.value(index).field; }
    void setColumnCaption(const QString& field, const QString& caption) override;
    void setColumnWidth(const QString& field, int width) override;
    void setColumnVisible(const QString& field, bool visible) override;
    void setColumnLevel(const QString& field, int level) override;
    void setColumnEditable(const QString& field, int editable) override;
    void setColumnCheckValues(const QString& field, const QString& checked, const QString& unchecked) override;
    void setColumnAlignment(const QString& field, int alignment) override;
    void setColumnHeaderAlignment(const QString& field, int alignment) override;
    void setColumnSortable(const QString& field, bool sortable) override;
    void setSelectAllChecked(const QString& field, bool checked) override;
    bool isSelectAllChecked(const QString& field) const override;

    bool isEditable() const override { return editable_; }
    void setEditable(bool editable) override;
    void setCellEditing(const QString& field, bool editing, bool showEditor) override;

    bool isRedrawEnabled() const override { return redrawEnabled_; }
    void setRedrawEnabled(bool enabled) override;
    void refresh() override;
    void redraw() override;
    void endEdit() override;
    void release() override;

    // What views show.
    QList<host::GridRow> rows() const;
    int rowCount() const;
    int currentRow() const;  // -1 when the data source has no current row
    // The value shown in a cell: a value-list column's text for the code, then DataFormatEXT.
    QVariant displayValue(const host::GridRow& row, const QString& field);
    // The cell's text colour (CustomDrawCell); -1 is the grid's own.
    qint32 cellColor(const host::GridRow& row, const QString& field);
    QList<Group> groups();
    int columnIndex(const QString& field) const;

    // What must hold after every operation; each broken rule is described (empty when all hold).
    QStringList checkInvariants() const;

    bool selectRow(int row);
    bool tickCell(int row, const QString& field);
    bool editCell(int row, const QString& field, const QVariant& value);
    bool clickSelectAll(const QString& field);
    int pressKey(int keyCode, int shift = 0);

    // For a virtual frame bound to the grid: (row about to become current, Cancel); after the move; after
    // a cell changed the data source's current row.
    automation::Event<int, bool&> BeforeRowChange;
    automation::Event<> RowChanged;
    automation::Event<> CellChanged;

private:
    template <class T>
    void setColumn(const QString& field, T host::GridColumn::*member, const T& value);
    host::GridColumn* find(const QString& field);
    const host::GridColumn* find(const QString& field) const;
    bool isOpen() const;
    host::GridRow currentGridRow() const;
    bool cellEditable(const host::GridColumn& column) const;
    bool askBeforeEdit(const QString& field);
    QString valueListText(const host::GridColumn& column, const QVariant& code);

    std::shared_ptr<ado::Recordset> dataSource_;
    std::shared_ptr<host::GridLayout> layout_;
    int layoutKind_ = 0;
    QList<host::GridColumn> columns_;
    bool editable_ = false;
    bool redrawEnabled_ = true;
    bool cellEditingAllowed_ = true;
    QHash<QString, QHash<QString, QString>> valueLists_;  // field -> code -> text
};

}  // namespace suite
