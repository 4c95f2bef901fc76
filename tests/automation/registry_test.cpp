#include "automation/registry.h"
#include "automation/error.h"
#include "automation/typelib.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace automation;

TypeLibrary brondel() {
    TypeLibrary lib("MGUO_BRONDEL", QVersionNumber(1, 3));
    lib.addClass(ClassInfo("CLSMG_BRONDEL", QVersionNumber(1, 2)))
        .addClass(ClassInfo("CLSMG_PRIORLETT", QVersionNumber(1, 0)))
        .addClass(ClassInfo("FRMMG_BRONDEL", QVersionNumber(1, 0), false));
    return lib;
}

class AutomationRegistry : public ::testing::Test {
protected:
    void registerHostLibrary() {
        TypeLibrary host("FW_HOST", QVersionNumber(1, 0));
        host.addClass(ClassInfo("CLSGLOBAL", QVersionNumber(1, 0)));
        registry.registerLibrary(host, "/opt/suite/libFW_HOST.so");
    }

    QTemporaryDir dir;
    ComponentRegistry registry{dir.filePath("components.json")};
};

TEST_F(AutomationRegistry, RegisteredCreatableClassesLeadToTheLibrary) {
    registry.registerLibrary(brondel(), "/opt/suite/libMGUO_BRONDEL.so");

    EXPECT_EQ(registry.libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL"), "/opt/suite/libMGUO_BRONDEL.so");
    EXPECT_EQ(registry.libraryPath(u"mguo_brondel.clsmg_priorlett"), "/opt/suite/libMGUO_BRONDEL.so");
    EXPECT_EQ(registry.libraryPath(u"MGUO_BRONDEL.FRMMG_BRONDEL"), std::nullopt);
    EXPECT_EQ(registry.progIds(), (QStringList{"MGUO_BRONDEL.CLSMG_BRONDEL", "MGUO_BRONDEL.CLSMG_PRIORLETT"}));
}

TEST_F(AutomationRegistry, ReRegisteringMovesTheClassesAndKeepsOtherLibraries) {
    registerHostLibrary();
    registry.registerLibrary(brondel(), "/old/libMGUO_BRONDEL.so");

    registry.registerLibrary(brondel(), "/new/libMGUO_BRONDEL.so");

    EXPECT_EQ(ComponentRegistry(registry.path()).libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL"), "/new/libMGUO_BRONDEL.so");
    EXPECT_EQ(registry.libraryPath(u"FW_HOST.CLSGLOBAL"), "/opt/suite/libFW_HOST.so");
    EXPECT_EQ(registry.progIds().size(), 3);
}

TEST_F(AutomationRegistry, UnregisterRemovesOnlyTheLibrarysClasses) {
    registerHostLibrary();
    registry.registerLibrary(brondel(), "/opt/suite/libMGUO_BRONDEL.so");

    registry.unregisterLibrary(brondel());
    registry.unregisterLibrary(brondel());

    EXPECT_EQ(registry.libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL"), std::nullopt);
    EXPECT_EQ(registry.progIds(), QStringList{"FW_HOST.CLSGLOBAL"});
}

TEST_F(AutomationRegistry, MissingFileIsAnEmptyRegistry) {
    EXPECT_TRUE(registry.progIds().isEmpty());
    EXPECT_EQ(registry.libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL"), std::nullopt);
}

TEST_F(AutomationRegistry, DamagedFileRaisesPathFileAccessErrorNamingTheFile) {
    QFile file(registry.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{not json");
    file.close();
    try {
        registry.libraryPath(u"MGUO_BRONDEL.CLSMG_BRONDEL");
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errors::PathFileAccessError);
        EXPECT_TRUE(e.description().startsWith("Path/File access error: " + registry.path() + ": "))
            << e.description().toStdString();
    }
}

}  // namespace
