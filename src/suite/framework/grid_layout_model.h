#pragma once

#include "brondel/console/host_components/grid_layout.h"

namespace suite {

// A grid's column layout object: the column definitions and the rows' source and key.
class GridLayoutModel : public host::GridLayout {
public:
    void initialize(std::shared_ptr<host::Cinterface> host, std::shared_ptr<ado::Recordset> recordset,
                    const QString& keyField, int option) override;
    QString keyField() const override { return keyField_; }
    std::shared_ptr<ado::Recordset> recordset() const override { return recordset_; }
    int option() const override { return option_; }
    bool allowsEditing() const override { return allowsEditing_; }
    void setAllowsEditing(bool allow) override { allowsEditing_ = allow; }

    void addColumn(const QString& field, const QString& caption, int kind, int width, bool visible) override;
    void addCheckColumn(const QString& field, const QString& caption, const QString& checkedValue,
                        const QString& uncheckedValue, bool selectAllChecked, int width, bool visible) override;
    void addValueListColumn(const QString& field, const QString& statement, const QString& caption, int width) override;
    QList<host::GridColumn> columns() const override { return columns_; }

    // The module given to initialize (its connection runs value-list statements); may be nothing.
    std::shared_ptr<host::Cinterface> host() const { return host_.lock(); }

private:
    std::weak_ptr<host::Cinterface> host_;
    std::shared_ptr<ado::Recordset> recordset_;
    QString keyField_;
    int option_ = 0;
    bool allowsEditing_ = false;
    QList<host::GridColumn> columns_;
};

}  // namespace suite
