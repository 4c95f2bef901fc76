#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace automation {

class TypeLibrary;

// The suite's component registry: a JSON file that maps the ProgID of every registered class
// ("MGUO_BRONDEL.CLSMG_BRONDEL") to the file of the library that serves it. The file is the only
// state, read on every call, so that a registration made by one process is seen by the others;
// writes hold a lock file beside it and replace the file atomically. A missing file is an empty
// registry. ProgIDs are compared regardless of case. A file that cannot be read, parsed or
// written raises errors::PathFileAccessError naming the file.
//
//     {"classes": {"MGUO_BRONDEL.CLSMG_BRONDEL": {"library": "/opt/suite/libMGUO_BRONDEL.so",
//                                                 "version": "1.2"}}}
class ComponentRegistry {
public:
    explicit ComponentRegistry(QString path);

    const QString& path() const { return path_; }

    // Registers every creatable class of library as served by libraryPath, replacing what its
    // ProgIDs pointed to before.
    void registerLibrary(const TypeLibrary& library, const QString& libraryPath);
    // Removes the library's classes; ProgIDs that were not registered are no error.
    void unregisterLibrary(const TypeLibrary& library);

    // The library that serves progId, or nothing when no class is registered under it.
    std::optional<QString> libraryPath(QStringView progId) const;
    QStringList progIds() const;

private:
    QString path_;
};

}  // namespace automation
