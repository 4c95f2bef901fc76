#include "automation/typelib.h"
#include "automation/dispatch.h"
#include "automation/error.h"

#include <gtest/gtest.h>

namespace {

using namespace automation;

ClassInfo consoleClass() {
    ClassInfo info("CLSMG_BRONDEL", QVersionNumber(1, 2));
    info.addProperty("CodiceArticolo", 0x6803001A)
        .addMember("Top", 0x20, MemberKind::PropertyGet)
        .addMember("Top", 0x20, MemberKind::PropertyPut)
        .addProperty("ClsGlobal", 0x21, MemberKind::PropertyPutRef)
        .addMember("ShowForm", 0x30, MemberKind::Method)
        .addMember("DataTransfer", 1, MemberKind::Event);
    return info;
}

TypeLibrary library() {
    TypeLibrary lib("MGUO_BRONDEL", QVersionNumber(1, 3));
    lib.addClass(consoleClass())
        .addClass(ClassInfo("CLSMG_PRIORLETT", QVersionNumber(1, 0)))
        .addEnumeration({"EnumMethodResult", {{"bwMethodOK", -1}, {"bwMethodCanceled", 0}}});
    return lib;
}

TEST(AutomationTypeLibrary, MembersAreFoundByNameRegardlessOfCaseAndById) {
    const ClassInfo info = consoleClass();
    struct Case {
        const char* name;
        MemberKind kind;
        long dispId;
    };
    for (const Case& c : {Case{"codicearticolo", MemberKind::PropertyPut, 0x6803001A},
                          Case{"CODICEARTICOLO", MemberKind::PropertyGet, 0x6803001A},
                          Case{"clsglobal", MemberKind::PropertyPutRef, 0x21},
                          Case{"showform", MemberKind::Method, 0x30}, Case{"datatransfer", MemberKind::Event, 1}}) {
        SCOPED_TRACE(c.name);
        const Member* byName = info.findMember(QString(c.name), c.kind);
        ASSERT_NE(byName, nullptr);
        EXPECT_EQ(byName->dispId, c.dispId);
        EXPECT_EQ(info.findMember(c.dispId, c.kind), byName);
    }
    EXPECT_EQ(info.findMember(u"ClsGlobal", MemberKind::PropertyPut), nullptr);
    EXPECT_EQ(info.findMember(u"Missing", MemberKind::Method), nullptr);
}

TEST(AutomationTypeLibrary, DispIdOfSkipsEvents) {
    const ClassInfo info = consoleClass();
    EXPECT_EQ(info.dispIdOf(u"top"), 0x20);
    EXPECT_EQ(info.dispIdOf(u"DataTransfer"), std::nullopt);
}

TEST(AutomationTypeLibrary, MembersKeepTheirPublicationOrder) {
    const ClassInfo info = consoleClass();
    QStringList order;
    for (const auto& member : info.members())
        order << member.name + (member.kind == MemberKind::PropertyGet ? " get" : "");
    EXPECT_EQ(order, (QStringList{"CodiceArticolo", "CodiceArticolo get", "Top get", "Top", "ClsGlobal",
                                  "ClsGlobal get", "ShowForm", "DataTransfer"}));
}

TEST(AutomationTypeLibrary, ClassesEnumerationsAndProgIds) {
    const TypeLibrary lib = library();
    const ClassInfo* info = lib.findClass(u"clsmg_brondel");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->version(), QVersionNumber(1, 2));
    EXPECT_EQ(lib.progId(*info), "MGUO_BRONDEL.CLSMG_BRONDEL");
    EXPECT_EQ(lib.findClass(u"CLSMG_OTHER"), nullptr);
    ASSERT_NE(lib.findEnumeration(u"enummethodresult"), nullptr);
    EXPECT_EQ(lib.enumerationValue(u"BWMETHODOK"), -1);
    EXPECT_EQ(lib.enumerationValue(u"bwMethodCanceled"), 0);
    EXPECT_EQ(lib.enumerationValue(u"bwMissing"), std::nullopt);
}

class Counter : public Dispatch {
public:
    const ClassInfo& classInfo() const override { return info_; }
    QVariant invoke(long dispId, MemberKind kind, QVariantList& args) override {
        if (dispId == 7 && kind == MemberKind::Method) {
            args[0] = args[0].toInt() + 1;
            return QStringLiteral("done");
        }
        throw Error::fromNumber(errors::MemberNotSupported);
    }

private:
    ClassInfo info_ = ClassInfo("Counter", QVersionNumber(1, 0)).addMember("Increment", 7, MemberKind::Method);
};

TEST(AutomationTypeLibrary, InvokeByNameReachesPublishedMembersOnly) {
    Counter counter;
    QVariantList args{41};
    EXPECT_EQ(counter.invokeByName(u"increment", MemberKind::Method, args), "done");
    EXPECT_EQ(args[0], 42);
    try {
        counter.invokeByName(u"Decrement", MemberKind::Method, args);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errors::MemberNotSupported);
        EXPECT_EQ(e.description(), "Object doesn't support this property or method");
    }
}

}  // namespace
