#pragma once

#include "suite/framework/lookup_presenter.h"

#include "brondel/console/host_components/lookup_window.h"

#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Connection;
}

namespace suite {

// The lookup window: show() runs the statement on a connection for the connection text, hands the rows to
// the presenter and raises what the person did:
//   - one row picked: OnSelection(identifier, a clone of the rows positioned on it);
//   - a selection confirmed (multiple selection only): OnReturnRecordSet with a statement that returns the
//     selected rows, in the order picked, with the columns of the rows shown;
//   - closed: nothing.
// A pick of a row that is not shown, or of a selection in single-selection mode, raises "Invalid procedure
// call or argument".
class LookupWindowModel : public host::LookupWindow {
public:
    // An open connection for a connection text; by default a new connection is opened for each show.
    using ConnectionProvider = std::function<std::shared_ptr<ado::Connection>(const QString&)>;

    explicit LookupWindowModel(std::shared_ptr<LookupPresenter> presenter, ConnectionProvider connections = {});

    void setConnectionString(const QString& connectionString) override { connectionString_ = connectionString; }
    void setIdentifier(const QString& identifier) override { view_.identifier = identifier; }
    void setTitle(const QString& title) override { view_.title = title; }
    void setStatement(const QString& statement) override { view_.statement = statement; }
    void setKeyField(const QString& field) override { view_.keyField = field; }
    void setColumnHeaders(const QList<QStringList>& headers) override { view_.headers = headers; }
    void setMultipleSelection(bool multiple) override { view_.multipleSelection = multiple; }

    void show() override;
    void close() override { shown_ = false; }
    bool isShown() const { return shown_; }

    QString connectionString() const { return connectionString_; }
    const LookupView& view() const { return view_; }

    // The statement that returns rows (at 0-based indexes) of an open recordset as literal values.
    static QString selectionStatement(ado::Recordset& rows, const QList<int>& indexes);

private:
    void apply(const LookupPick& pick);

    std::shared_ptr<LookupPresenter> presenter_;
    ConnectionProvider connections_;
    QString connectionString_;
    LookupView view_;
    bool shown_ = false;
};

}  // namespace suite
