#include "brondel/host/entry_points.h"

#include "brondel/host/clsmg_brondel.h"
#include "brondel/host/library_lock.h"
#include "brondel/host/type_library.h"
#include "brondel/priorities/clsmg_priorlett.h"

#include "automation/registry.h"
#include "automation/typelib.h"

#include <dlfcn.h>
#include <QFileInfo>
#include <QString>

namespace {

// Creates the instances of one of the library's classes.
template <class Class>
class LibraryClassFactory : public automation::ClassFactory {
public:
    std::shared_ptr<automation::Dispatch> createInstance() override { return Class::create(); }

private:
    brondel::LibraryLock lock_;
};

// The file this library was loaded from.
QString libraryPath() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void*>(&DllRegisterServer), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

// A class name, given alone or as the library's ProgID.
QString className(const char* name) {
    QString result = QString::fromUtf8(name);
    const QString prefix = brondel::typeLibrary().name() + QLatin1Char('.');
    if (result.startsWith(prefix, Qt::CaseInsensitive))
        result.remove(0, prefix.size());
    return result;
}

template <class Call>
int32_t registration(const char* registryPath, Call call) {
    if (!registryPath)
        return automation::hresult::SelfRegClass;
    try {
        automation::ComponentRegistry registry(QString::fromUtf8(registryPath));
        call(registry);
        return automation::hresult::Ok;
    } catch (const std::exception&) {
        return automation::hresult::SelfRegClass;
    }
}

}  // namespace

int32_t DllGetClassObject(const char* className, std::shared_ptr<automation::ClassFactory>* factory) {
    if (!className || !factory)
        return automation::hresult::ClassNotAvailable;
    const QString name = ::className(className);
    if (name.compare(QLatin1String("CLSMG_BRONDEL"), Qt::CaseInsensitive) == 0)
        *factory = std::make_shared<LibraryClassFactory<brondel::CLSMG_BRONDEL>>();
    else if (name.compare(QLatin1String("CLSMG_PRIORLETT"), Qt::CaseInsensitive) == 0)
        *factory = std::make_shared<LibraryClassFactory<brondel::CLSMG_PRIORLETT>>();
    else
        return automation::hresult::ClassNotAvailable;
    return automation::hresult::Ok;
}

int32_t DllRegisterServer(const char* registryPath) {
    return registration(registryPath, [](automation::ComponentRegistry& registry) {
        registry.registerLibrary(brondel::typeLibrary(), libraryPath());
    });
}

int32_t DllUnregisterServer(const char* registryPath) {
    return registration(registryPath, [](automation::ComponentRegistry& registry) {
        registry.unregisterLibrary(brondel::typeLibrary());
    });
}

int32_t DllCanUnloadNow() {
    return brondel::LibraryLock::count() == 0 ? automation::hresult::Ok : automation::hresult::False;
}

const automation::TypeLibrary* DllGetTypeLibrary() { return &brondel::typeLibrary(); }
