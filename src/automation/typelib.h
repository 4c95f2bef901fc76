#pragma once

#include "automation/classinfo.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QVersionNumber>
#include <optional>
#include <utility>

namespace automation {

struct Enumeration {
    QString name;
    QList<std::pair<QString, long>> members;  // in declaration order
};

// A component library's published types: its classes and enumerations. Late-bound callers find
// classes, enumerations and enumeration members by name regardless of case; a class's ProgID is
// "Library.Class".
class TypeLibrary {
public:
    TypeLibrary(QString name, QVersionNumber version);

    const QString& name() const { return name_; }
    const QVersionNumber& version() const { return version_; }
    const QList<ClassInfo>& classes() const { return classes_; }
    const QList<Enumeration>& enumerations() const { return enumerations_; }

    TypeLibrary& addClass(ClassInfo info);
    TypeLibrary& addEnumeration(Enumeration enumeration);

    // Pointers stay valid until the library is changed.
    const ClassInfo* findClass(QStringView name) const;
    const Enumeration* findEnumeration(QStringView name) const;
    // A member of any of the enumerations, as VB sees them: global constants of the library.
    std::optional<long> enumerationValue(QStringView memberName) const;

    QString progId(const ClassInfo& info) const;

private:
    QString name_;
    QVersionNumber version_;
    QList<ClassInfo> classes_;
    QList<Enumeration> enumerations_;
};

}  // namespace automation
