#pragma once

#include "automation/class_factory.h"

#include <cstdint>
#include <memory>

// The library's entry points (see automation/class_factory.h), for callers linked against it.
extern "C" {
int32_t DllGetClassObject(const char* className, std::shared_ptr<automation::ClassFactory>* factory);
int32_t DllRegisterServer(const char* registryPath);
int32_t DllUnregisterServer(const char* registryPath);
int32_t DllCanUnloadNow();
const automation::TypeLibrary* DllGetTypeLibrary();
}
