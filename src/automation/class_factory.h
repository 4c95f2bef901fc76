#pragma once

#include <cstdint>
#include <memory>

// The entry points of a component library, as an in-process server's four standard exports. A host loads
// the library named by the component registry and finds them by these names:
//
//   int32_t DllGetClassObject(const char* className, std::shared_ptr<automation::ClassFactory>* factory);
//   int32_t DllRegisterServer(const char* registryPath);
//   int32_t DllUnregisterServer(const char* registryPath);
//   int32_t DllCanUnloadNow();
//   const automation::TypeLibrary* DllGetTypeLibrary();
//
// className is the class's name or its ProgID ("CLSMG_BRONDEL", "MGUO_BRONDEL.CLSMG_BRONDEL"), in any
// case; registryPath is the component registry file (UTF-8). The results are HRESULTs.
namespace automation {

class Dispatch;
class TypeLibrary;

// Creates the instances of one class.
class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    virtual std::shared_ptr<Dispatch> createInstance() = 0;
};

namespace hresult {
constexpr int32_t Ok = 0;                                    // S_OK
constexpr int32_t False = 1;                                 // S_FALSE: DllCanUnloadNow while objects live
constexpr int32_t ClassNotAvailable = int32_t(0x80040111u);  // CLASS_E_CLASSNOTAVAILABLE
constexpr int32_t SelfRegClass = int32_t(0x80040201u);       // SELFREG_E_CLASS: registration failed
}  // namespace hresult

using DllGetClassObjectFunction = int32_t (*)(const char*, std::shared_ptr<ClassFactory>*);
using DllRegisterServerFunction = int32_t (*)(const char*);
using DllUnregisterServerFunction = int32_t (*)(const char*);
using DllCanUnloadNowFunction = int32_t (*)();
using DllGetTypeLibraryFunction = const TypeLibrary* (*)();

}  // namespace automation
