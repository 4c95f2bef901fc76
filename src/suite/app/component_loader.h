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
// A ProgID the registry does not know (the first run on this machine) or whose library file is gone is
// registered first, from the library "lib<Library>.so" found in the search folders.
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
    QString registerFromSearchFolders(const QString& progId);
    QLibrary& load(const QString& path);

    QString registryPath_;
    QStringList searchFolders_;
    QHash<QString, QLibrary*> libraries_;  // by file, loaded for the life of the process
};

}  // namespace suite
