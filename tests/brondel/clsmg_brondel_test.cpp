#include "brondel/host/clsmg_brondel.h"
#include "brondel/host/entry_points.h"
#include "brondel/host/type_library.h"

#include "automation/registry.h"
#include "automation/typelib.h"
#include "automation/variant.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using automation::MemberKind;
using brondel::CLSMG_BRONDEL;

QVariant get(CLSMG_BRONDEL& console, const char* property) {
    QVariantList none;
    return console.invokeByName(QString::fromLatin1(property), MemberKind::PropertyGet, none);
}

void put(CLSMG_BRONDEL& console, const char* property, const QVariant& value) {
    QVariantList args{value};
    console.invokeByName(QString::fromLatin1(property), MemberKind::PropertyPut, args);
}

struct Conversion {
    const char* property;
    QVariant before;  // set first
    QVariant value;
    QVariant expected;
};

void PrintTo(const Conversion& c, std::ostream* out) {
    *out << c.property << " = " << automation::cstr(c.value).toStdString();
}

class ConsoleClassProperty : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConsoleClassProperty, StoresTheConvertedValueOrKeepsTheOldOne) {
    const Conversion& c = GetParam();
    const std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    put(*console, c.property, c.before);
    put(*console, c.property, c.value);
    const QVariant stored = get(*console, c.property);
    EXPECT_EQ(stored.metaType(), c.expected.metaType()) << c.property;
    EXPECT_EQ(stored, c.expected) << c.property;
}

INSTANTIATE_TEST_SUITE_P(Conversions, ConsoleClassProperty,
                         ::testing::Values(Conversion{"CodiceArticolo", "X", 42, "42"},
                                           Conversion{"CodiceArticolo", "ABC", automation::null(), "ABC"},
                                           Conversion{"TipoChiamataConsole", "VAR", automation::null(), "VAR"},
                                           Conversion{"TipoChiamataConsole", "VAR", 1.5, "1.5"},
                                           Conversion{"CodiceVariante", "A0", automation::null(), ""},
                                           Conversion{"CodiceVariante", "A0", 7, "7"},
                                           Conversion{"CodiceRaggruppamento", "R", automation::null(), ""},
                                           Conversion{"CodiceRaggruppamento", "R", QVariant(), ""},
                                           Conversion{"CodiceDitta", 1, 2.5, 2.5}));

TEST(ConsoleClass, SixteenBitMembersKeepTheirValueOnOverflow) {
    const std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    console->setWindowState(2);
    console->setProgramMode(-5);

    console->setWindowState(32768);
    console->setProgramMode(-32769);

    EXPECT_EQ(console->windowState(), 2);
    EXPECT_EQ(console->programMode(), -5);
}

TEST(ConsoleClass, TopAndLeftAreKeptAs32BitIntegers) {
    const std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    console->setTop(QStringLiteral("120"));
    console->setLeft(300.5);
    console->setLeft(QStringLiteral("not a number"));

    EXPECT_EQ(console->top().metaType().id(), QMetaType::Int);
    EXPECT_EQ(console->top(), QVariant(qint32(120)));
    EXPECT_EQ(console->left(), QVariant(qint32(300)));
}

TEST(ConsoleClass, CloseFormWithoutAFormReportsClosedAndCwindowIsNothing) {
    const std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    EXPECT_EQ(console->closeForm(), QVariant(true));
    EXPECT_EQ(console->cwindow(), nullptr);
}

TEST(ConsoleClass, TransferDataRaisesDataTransferAndReturnsEmpty) {
    const std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    QVariantList received;
    console->DataTransfer.connect([&received](QVariant& data) { received << data; });

    EXPECT_TRUE(automation::isEmpty(console->transferData(QStringLiteral("payload"))));
    EXPECT_EQ(received, QVariantList{QStringLiteral("payload")});
}

TEST(ConsoleClass, ActiveDllIsTheInstanceWithoutKeepingItAlive) {
    std::shared_ptr<CLSMG_BRONDEL> console = CLSMG_BRONDEL::create();
    const std::weak_ptr<CLSMG_BRONDEL> watch = console;
    EXPECT_EQ(console->activeDll().get(), static_cast<host::Cinterface*>(console.get()));

    console.reset();
    EXPECT_TRUE(watch.expired());
}

TEST(ConsoleClass, PublishesItsMembersByNameAndDispatchId) {
    const automation::TypeLibrary& library = brondel::typeLibrary();
    const automation::ClassInfo* console = library.findClass(u"CLSMG_BRONDEL");
    ASSERT_NE(console, nullptr);
    EXPECT_EQ(console->version(), QVersionNumber(1, 2));
    EXPECT_EQ(library.version(), QVersionNumber(1, 3));
    EXPECT_EQ(console->dispIdOf(u"codicevariante"), 0x6803004F);
    EXPECT_EQ(console->dispIdOf(u"CodiceArticolo"), 0x6803001A);
    ASSERT_NE(console->findMember(1, MemberKind::Event), nullptr);
    EXPECT_EQ(console->findMember(1, MemberKind::Event)->name, "DataTransfer");
    EXPECT_EQ(library.enumerationValue(u"bwMethodOK"), -1);
    EXPECT_EQ(library.enumerationValue(u"bwMethodCanceled"), 0);
    EXPECT_NE(library.findClass(u"CLSMG_PRIORLETT"), nullptr);
}

TEST(ConsoleLibrary, RegistersItsClassesAndCreatesTheConsoleByProgId) {
    QTemporaryDir dir;
    const QByteArray registryPath = dir.filePath(QStringLiteral("components.json")).toUtf8();
    ASSERT_EQ(DllRegisterServer(registryPath.constData()), automation::hresult::Ok);
    const automation::ComponentRegistry registry(QString::fromUtf8(registryPath));
    const std::optional<QString> library = registry.libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL");
    ASSERT_TRUE(library.has_value());
    EXPECT_EQ(QFileInfo(*library).fileName(), "libMGUO_BRONDEL.so");
    EXPECT_TRUE(QFileInfo::exists(*library));
    EXPECT_EQ(registry.libraryPath(u"MGUO_BRONDEL.CLSMG_PRIORLETT"), library);

    std::shared_ptr<automation::ClassFactory> factory;
    ASSERT_EQ(DllGetClassObject("mguo_brondel.clsmg_brondel", &factory), automation::hresult::Ok);
    std::shared_ptr<automation::Dispatch> instance = factory->createInstance();
    EXPECT_NE(std::dynamic_pointer_cast<host::Cinterface>(instance), nullptr);
    EXPECT_EQ(DllCanUnloadNow(), automation::hresult::False);
    instance.reset();
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), automation::hresult::Ok);

    EXPECT_EQ(DllGetClassObject("MGUO_BRONDEL.NOSUCHCLASS", &factory), automation::hresult::ClassNotAvailable);
    ASSERT_EQ(DllUnregisterServer(registryPath.constData()), automation::hresult::Ok);
    EXPECT_TRUE(registry.progIds().isEmpty());
}

}  // namespace
