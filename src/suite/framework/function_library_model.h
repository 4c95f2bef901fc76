#pragma once

#include "brondel/console/host_components/function_library.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace suite {

// The host's function library. Text conversion is the automation runtime's cstr. Number conversion reads
// numbers as they are and text as a number (integers stay integers; a comma counts as decimal point);
// anything else gives 0. The redraw lock is counted, so that tests see a lock released as often as taken.
// Each unique suffix is new: a GUID's 32 hex digits, so that global working tables of two modules (even
// of two hosts on one server) never meet.
class FunctionLibraryModel : public host::FunctionLibrary {
public:
    QString toText(const QVariant& value) const override;
    QVariant toNumber(const QVariant& value) const override { return number(value); }
    void lockRedraw(qint64 windowHandle) override;
    QString uniqueSuffix() override;

    // toNumber, for code that has no library at hand.
    static QVariant number(const QVariant& value);
    // Whether value holds a number (of any integer or floating type; not a Boolean).
    static bool isNumber(const QVariant& value);
    // Text typed as a number: an integer when it is whole, a real otherwise (a comma counts as decimal
    // point); nothing when the text is not a number.
    static std::optional<QVariant> numberFromText(const QString& text);

    // The window whose repainting is stopped; 0 when none.
    qint64 lockedWindow() const { return lockedWindow_; }
    int lockCount() const { return locks_; }
    int unlockCount() const { return unlocks_; }

private:
    qint64 lockedWindow_ = 0;
    int locks_ = 0;
    int unlocks_ = 0;
};

}  // namespace suite
