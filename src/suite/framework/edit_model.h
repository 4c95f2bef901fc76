#pragma once

#include "suite/framework/data_control_base.h"

#include "brondel/console/host_components/edit.h"

#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Connection;
}
namespace host {
class LookupWindow;
}

namespace suite {

// An edit field. Gestures: typeText() (focus, then the text as typed: maximum length, upper case,
// digits, a leading minus only where the design allows negatives), leave() and pressEnter() (confirm the
// value), openLookup() (pick it from a list).
//
// Confirming raises, in order: ItemStarted; StartDecode and the decode (when the field has a decode);
// Validate; AfterItem; ItemFinished. A Cancel in Validate or AfterItem keeps the focus in the field.
class EditModel : public DataControlBase<host::Edit> {
public:
    using LookupWindowCreator = std::function<std::shared_ptr<host::LookupWindow>()>;
    // An open connection for a connection string (decodes run on it).
    using ConnectionProvider = std::function<std::shared_ptr<ado::Connection>(const QString&)>;

    EditModel(const host::ControlDesign& design, LookupWindowCreator lookupWindows, ConnectionProvider connections);

    void setText(const QString& text) override;
    // The text through the data format; numeric fields give numbers; the empty text gives Null.
    QVariant value() const override;
    void setValue(const QVariant& value) override;

    int maxLength() const override { return maxLength_; }
    void setMaxLength(int length) override;
    int displayLength() const override { return displayLength_; }
    void setDisplayLength(int length) override;
    bool isUpperCase() const override { return upperCase_; }
    bool isNumeric() const override { return numeric_; }
    bool isTabStop() const override { return tabStop_; }
    void setTabStop(bool tabStop) override { tabStop_ = tabStop; }
    QString lookupKey() const override { return lookupKey_; }
    void setLookupKey(const QString& key) override { lookupKey_ = key; }
    bool hasLookup() const override { return StartLookup.hasHandlers(); }
    bool hasDecode() const override { return StartDecode.hasHandlers(); }
    bool decodeFound() const override { return hasDecode() ? decodeFound_ : true; }

    // Gestures; each returns false when the field cannot take them (disabled, hidden) or refused.
    bool typeText(const QString& text);
    // Confirms the value when it changed since the last confirmation.
    bool leave();
    // KeyDown with Enter; unless a handler swallows the key, confirms the value.
    bool pressEnter();
    // KeyDown only; returns the key code left by the handlers.
    int pressKey(int keyCode, int shift = 0);
    // Runs the field's decode for its current text (StartDecode, then the statement), without Validate
    // and AfterItem: what the field does when its frame shows another row.
    void decode();
    // Opens the lookup (StartLookup, then the lookup window); a picked row's first field becomes the
    // text, which is then confirmed. Returns whether a row was picked.
    bool openLookup();

private:
    bool confirm();
    void runDecode(const host::DecodeRequest& request);
    QString filtered(const QString& typed) const;

    LookupWindowCreator lookupWindows_;
    ConnectionProvider connections_;
    int maxLength_;
    int displayLength_;
    bool upperCase_;
    bool numeric_;
    bool negative_;
    bool tabStop_ = true;
    QString lookupKey_;
    bool decodeFound_ = false;
    bool modified_ = false;
};

}  // namespace suite
