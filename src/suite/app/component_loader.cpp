#include "suite/app/component_loader.h"

#include "automation/class_factory.h"
#include "automation/dispatch.h"
#include "automation/error.h"
#include "automation/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace suite {

namespace {

automation::Error cannotCreate(const QString& progId, const QString& why) {
    return automation::Error(automation::errors::CannotCreateObject, QStringLiteral("ComponentLoader"),
                             QStringLiteral("ActiveX component can't create object: %1 (%2)").arg(progId, why));
}

template <class Function>
Function entryPoint(QLibrary& library, const char* name, const QString& progId) {
    const auto function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        throw cannotCreate(progId,
                           QStringLiteral("%1 has no entry point %2").arg(library.fileName(), QLatin1String(name)));
    return function;
}

}  // namespace

ComponentLoader::ComponentLoader(QString registryPath, QStringList searchFolders)
    : registryPath_(std::move(registryPath)), searchFolders_(std::move(searchFolders)) {}

// Libraries stay loaded: instances and their deleters live in them.
ComponentLoader::~ComponentLoader() { qDeleteAll(libraries_); }

QLibrary& ComponentLoader::load(const QString& path) {
    QLibrary*& library = libraries_[path];
    if (!library) {
        library = new QLibrary(path);
        library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    }
    if (!library->isLoaded() && !library->load())
        throw cannotCreate(QFileInfo(path).fileName(), library->errorString());
    return *library;
}

QString ComponentLoader::shippedLibrary(const QString& progId) const {
    const QString fileName = QStringLiteral("lib%1.so").arg(progId.section(QLatin1Char('.'), 0, 0));
    for (const QString& folder : searchFolders_) {
        const QString path = QDir(folder).absoluteFilePath(fileName);
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    }
    return QString();
}

void ComponentLoader::registerLibrary(const QString& path, const QString& progId) {
    QLibrary& library = load(path);
    const auto registerServer = entryPoint<automation::DllRegisterServerFunction>(library, "DllRegisterServer", progId);
    if (registerServer(registryPath_.toUtf8().constData()) != automation::hresult::Ok)
        throw cannotCreate(progId, QStringLiteral("%1 could not register in %2").arg(path, registryPath_));
}

QString ComponentLoader::libraryFor(const QString& progId) {
    const automation::ComponentRegistry registry(registryPath_);
    const std::optional<QString> registered = registry.libraryPath(progId);
    const QString shipped = shippedLibrary(progId);
    // The first run registers the library this installation ships; so does a run after another
    // installation (another build folder) registered its own.
    const bool current = registered && QFileInfo::exists(*registered) &&
                         (shipped.isEmpty() || QFileInfo(*registered).canonicalFilePath() == shipped);
    if (current)
        return *registered;
    if (shipped.isEmpty())
        throw cannotCreate(progId, QStringLiteral("%1 is not registered and no lib%2.so was found in %3")
                                       .arg(progId, progId.section(QLatin1Char('.'), 0, 0),
                                            searchFolders_.join(QStringLiteral(", "))));
    registerLibrary(shipped, progId);
    const std::optional<QString> now = registry.libraryPath(progId);
    if (!now)
        throw cannotCreate(progId, QStringLiteral("its library does not publish it"));
    return *now;
}

std::shared_ptr<automation::Dispatch> ComponentLoader::create(const QString& progId) {
    QLibrary& library = load(libraryFor(progId));
    const auto getClassObject = entryPoint<automation::DllGetClassObjectFunction>(library, "DllGetClassObject", progId);
    std::shared_ptr<automation::ClassFactory> factory;
    if (getClassObject(progId.toUtf8().constData(), &factory) != automation::hresult::Ok || !factory)
        throw cannotCreate(progId, QStringLiteral("class not available in %1").arg(library.fileName()));
    std::shared_ptr<automation::Dispatch> instance = factory->createInstance();
    if (!instance)
        throw cannotCreate(progId, QStringLiteral("the class factory gave nothing"));
    return instance;
}

}  // namespace suite
