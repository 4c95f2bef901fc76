#include "automation/classinfo.h"

namespace automation {

ClassInfo::ClassInfo(QString name, QVersionNumber version, bool isCreatable)
    : name_(std::move(name)), version_(std::move(version)), creatable_(isCreatable) {}

ClassInfo& ClassInfo::addMember(const QString& name, long dispId, MemberKind kind) {
    Q_ASSERT_X(!findMember(name, kind) && !findMember(dispId, kind), "ClassInfo::addMember", "member published twice");
    Q_ASSERT_X(kind == MemberKind::Event || !dispIdOf(name) || dispIdOf(name) == dispId, "ClassInfo::addMember",
               "accessors of one property with different dispatch ids");
    members_.append({name, dispId, kind});
    return *this;
}

ClassInfo& ClassInfo::addProperty(const QString& name, long dispId, MemberKind put) {
    return addMember(name, dispId, put).addMember(name, dispId, MemberKind::PropertyGet);
}

const Member* ClassInfo::findMember(QStringView name, MemberKind kind) const {
    for (const auto& member : members_) {
        if (member.kind == kind && name.compare(member.name, Qt::CaseInsensitive) == 0)
            return &member;
    }
    return nullptr;
}

const Member* ClassInfo::findMember(long dispId, MemberKind kind) const {
    for (const auto& member : members_) {
        if (member.kind == kind && member.dispId == dispId)
            return &member;
    }
    return nullptr;
}

std::optional<long> ClassInfo::dispIdOf(QStringView name) const {
    for (const auto& member : members_) {
        if (member.kind != MemberKind::Event && name.compare(member.name, Qt::CaseInsensitive) == 0)
            return member.dispId;
    }
    return std::nullopt;
}

}  // namespace automation
