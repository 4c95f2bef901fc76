#pragma once

#include <QString>

namespace automation {
class ClassInfo;
class TypeLibrary;
}  // namespace automation

namespace brondel {

// The component library's published types: CLSMG_BRONDEL with its default interface and its event,
// CLSMG_PRIORLETT and the enumeration EnumMethodResult. Built once; late-bound callers find the members
// by name or dispatch id.
const automation::TypeLibrary& typeLibrary();
// The library's class of that name (precondition: the library publishes it).
const automation::ClassInfo& classInfo(const QString& className);

// Dispatch ids of CLSMG_BRONDEL's default interface and event.
namespace dispid {
constexpr long CodiceArticolo = 0x6803001A;
constexpr long CodiceDitta = 0x68030019;
constexpr long TipoChiamataConsole = 0x68030034;
constexpr long CodiceVariante = 0x6803004F;
constexpr long CodiceRaggruppamento = 0x6803004E;
constexpr long DataTransfer = 1;
}  // namespace dispid

// Dispatch ids of CLSMG_PRIORLETT's default interface.
namespace priorlett_dispid {
constexpr long connessione = 0x68030001;
constexpr long Ditta = 0x68030000;
constexpr long VariantiConfigurate_Descrizioni = 0x60030004;
constexpr long PrioritaPredefinite = 0x60030005;
}  // namespace priorlett_dispid

}  // namespace brondel
