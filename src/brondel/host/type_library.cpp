#include "brondel/host/type_library.h"

#include "automation/classinfo.h"
#include "automation/typelib.h"

namespace brondel {

namespace {

automation::TypeLibrary build() {
    using automation::ClassInfo;
    using automation::MemberKind;

    // Members in the order of the default interface's function table, each property put before get. The
    // entries that only hold places for unpublished members are not reproduced: no compiled caller binds
    // to the table here, callers bind by name or dispatch id.
    ClassInfo console(QStringLiteral("CLSMG_BRONDEL"), QVersionNumber(1, 2));
    console.addProperty(QStringLiteral("CodiceArticolo"), dispid::CodiceArticolo)
        .addProperty(QStringLiteral("CodiceDitta"), dispid::CodiceDitta)
        .addProperty(QStringLiteral("TipoChiamataConsole"), dispid::TipoChiamataConsole)
        .addProperty(QStringLiteral("CodiceVariante"), dispid::CodiceVariante)
        .addProperty(QStringLiteral("CodiceRaggruppamento"), dispid::CodiceRaggruppamento)
        .addMember(QStringLiteral("DataTransfer"), dispid::DataTransfer, MemberKind::Event);

    // In the order of its function table: connessione's get before its set, Ditta write-only.
    ClassInfo priorities(QStringLiteral("CLSMG_PRIORLETT"), QVersionNumber(1, 0));
    priorities.addMember(QStringLiteral("connessione"), priorlett_dispid::connessione, MemberKind::PropertyGet)
        .addMember(QStringLiteral("connessione"), priorlett_dispid::connessione, MemberKind::PropertyPutRef)
        .addMember(QStringLiteral("Ditta"), priorlett_dispid::Ditta, MemberKind::PropertyPut)
        .addMember(QStringLiteral("VariantiConfigurate_Descrizioni"), priorlett_dispid::VariantiConfigurate_Descrizioni,
                   MemberKind::Method)
        .addMember(QStringLiteral("PrioritaPredefinite"), priorlett_dispid::PrioritaPredefinite, MemberKind::Method);

    automation::TypeLibrary library(QStringLiteral("MGUO_BRONDEL"), QVersionNumber(1, 3));
    library.addClass(std::move(console))
        .addClass(std::move(priorities))
        .addEnumeration({QStringLiteral("EnumMethodResult"),
                         {{QStringLiteral("bwMethodOK"), -1}, {QStringLiteral("bwMethodCanceled"), 0}}});
    return library;
}

}  // namespace

const automation::TypeLibrary& typeLibrary() {
    static const automation::TypeLibrary library = build();
    return library;
}

const automation::ClassInfo& classInfo(const QString& className) { return *typeLibrary().findClass(className); }

}  // namespace brondel
