#include "automation/dispatch.h"

#include "automation/error.h"

namespace automation {

QVariant Dispatch::invokeByName(QStringView name, MemberKind kind, QVariantList& args) {
    const Member* member = classInfo().findMember(name, kind);
    if (!member)
        throw Error::fromNumber(errors::MemberNotSupported, classInfo().name());
    return invoke(member->dispId, kind, args);
}

}  // namespace automation
