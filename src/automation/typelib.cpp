#include "automation/typelib.h"

namespace automation {

namespace {

template <class T, class NameOf>
const T* findByName(const QList<T>& items, QStringView name, NameOf nameOf) {
    for (const auto& item : items) {
        if (name.compare(nameOf(item), Qt::CaseInsensitive) == 0)
            return &item;
    }
    return nullptr;
}

}  // namespace

TypeLibrary::TypeLibrary(QString name, QVersionNumber version) : name_(std::move(name)), version_(std::move(version)) {}

TypeLibrary& TypeLibrary::addClass(ClassInfo info) {
    Q_ASSERT_X(!findClass(info.name()), "TypeLibrary::addClass", "class published twice");
    classes_.append(std::move(info));
    return *this;
}

TypeLibrary& TypeLibrary::addEnumeration(Enumeration enumeration) {
    Q_ASSERT_X(!findEnumeration(enumeration.name), "TypeLibrary::addEnumeration", "enumeration published twice");
    enumerations_.append(std::move(enumeration));
    return *this;
}

const ClassInfo* TypeLibrary::findClass(QStringView name) const {
    return findByName(classes_, name, [](const ClassInfo& c) -> const QString& { return c.name(); });
}

const Enumeration* TypeLibrary::findEnumeration(QStringView name) const {
    return findByName(enumerations_, name, [](const Enumeration& e) -> const QString& { return e.name; });
}

std::optional<long> TypeLibrary::enumerationValue(QStringView memberName) const {
    for (const auto& enumeration : enumerations_) {
        for (const auto& [name, value] : enumeration.members) {
            if (memberName.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        }
    }
    return std::nullopt;
}

QString TypeLibrary::progId(const ClassInfo& info) const { return name_ + u'.' + info.name(); }

}  // namespace automation
