#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QVersionNumber>
#include <optional>

namespace automation {

enum class MemberKind {
    PropertyGet,
    PropertyPut,     // Let: a value
    PropertyPutRef,  // Set: an object reference
    Method,
    Event,  // a member of the class's event (source) interface
};

struct Member {
    QString name;
    long dispId;
    MemberKind kind;
};

// What a class publishes to late-bound callers, as its type library entry does: name, version and
// members in the order of the interface's function table. A property is one member per accessor,
// all with the property's name and dispatch id. Names are found regardless of case, as automation
// does. Event dispatch ids belong to the event interface and may repeat those of other members.
class ClassInfo {
public:
    ClassInfo(QString name, QVersionNumber version, bool isCreatable = true);

    const QString& name() const { return name_; }
    const QVersionNumber& version() const { return version_; }
    bool isCreatable() const { return creatable_; }
    const QList<Member>& members() const { return members_; }

    // Precondition: no member of the same kind has the name or the dispatch id already, and
    // accessors of one property share name and dispatch id.
    ClassInfo& addMember(const QString& name, long dispId, MemberKind kind);
    // A property with put (Let, or Set with MemberKind::PropertyPutRef) before get.
    ClassInfo& addProperty(const QString& name, long dispId, MemberKind put = MemberKind::PropertyPut);

    const Member* findMember(QStringView name, MemberKind kind) const;
    const Member* findMember(long dispId, MemberKind kind) const;
    // The dispatch id of a property or method (events excluded), as IDispatch's GetIDsOfNames.
    std::optional<long> dispIdOf(QStringView name) const;

private:
    QString name_;
    QVersionNumber version_;
    bool creatable_;
    QList<Member> members_;
};

}  // namespace automation
