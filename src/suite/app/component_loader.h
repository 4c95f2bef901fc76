#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QLibrary;

namespace automation {
class Dispatch;
}

namespace suite {

// Creates the suite's components by ProgID ("MGUO_BRONDEL.CLSMG_BRONDEL") through the component registry:
// the library the registry names is loaded on first use and asked for the class through its entry points.
// The installation ships its libraries ("lib<Library>.so") in the search folders: on the first run, or when
// the registry names another file (gone, or another installation's), the shipped library registers itself
// first.
class ComponentLoader {
public:
    ComponentLoader(QString registryPath, QStringList searchFolders);
    ~ComponentLoader();
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;

    const QString& registryPath() const { return registryPath_; }

    // A new instance; raises automation::Error 429 ("ActiveX component can't create object") naming
    // what failed.
    std::shared_ptr<automation::Dispatch> create(const QString& progId);

private:
    QString libraryFor(const QString& progId);
    // The library this installation ships for progId; empty when none.
    QString shippedLibrary(const QString& progId) const;
    void registerLibrary(const QString& path, const QString& progId);
    QLibrary& load(const QString& path);

    QString registryPath_;
    QStringList searchFolders_;
    QHash<QString, QLibrary*> libraries_;  // by file, loaded for the life of the process
};

}  // namespace suite
