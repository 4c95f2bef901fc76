#pragma once

#include "automation/classinfo.h"

#include <QStringView>
#include <QVariant>
#include <QVariantList>

namespace automation {

// An object that late-bound callers (host scripts) reach through its class's published members,
// as through IDispatch: they find a dispatch id by name in classInfo() and invoke it.
class Dispatch {
public:
    virtual ~Dispatch() = default;

    virtual const ClassInfo& classInfo() const = 0;

    // Runs the member. args are passed by reference: a member may write back to them (ByRef).
    // A property put takes the new value as its last argument. A member the object does not
    // publish raises errors::MemberNotSupported.
    virtual QVariant invoke(long dispId, MemberKind kind, QVariantList& args) = 0;

    // invoke() by name, regardless of case.
    QVariant invokeByName(QStringView name, MemberKind kind, QVariantList& args);
};

}  // namespace automation
