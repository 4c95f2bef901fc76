#include "automation/procedure.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

namespace {

using namespace automation;

[[noreturn]] void failWith13() { throw Error(errors::TypeMismatch, "Origin", "Type mismatch"); }

TEST(AutomationProcedure, ReraiseListsTheChainOfProceduresOutermostFirst) {
    try {
        reraise("Outer", [] { reraise("Inner", [] { throw Error(5, "OriginalSource", "Bad call"); }); });
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "Bad call");
        EXPECT_EQ(e.source(), "Outer:\r\nInner:\r\nOriginalSource");
    }
}

TEST(AutomationProcedure, ReraiseTurnsOtherExceptionsIntoProviderErrors) {
    try {
        reraise("InitGrid", [] { throw std::runtime_error("disk full"); });
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errors::ProviderError);
        EXPECT_EQ(e.description(), "disk full");
        EXPECT_EQ(e.source(), "InitGrid:\r\n");
    }
}

// The second step fails on its first run only; the scripted error box answers once.
TEST(AutomationProcedure, ErrorBoxAnswerDecidesHowTheProcedureGoesOn) {
    struct Case {
        int answer;
        QStringList expectedRun;
        bool expectedCompleted;
    };
    const Case cases[] = {
        {errorBoxAnswer::Retry, {"1", "2 failed", "2", "3"}, true},
        {errorBoxAnswer::Ignore, {"1", "2 failed", "3"}, true},
        {errorBoxAnswer::Abort, {"1", "2 failed"}, false},
        {1, {"1", "2 failed"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        QStringList run, asked;
        bool failed = false;
        const ErrorBox errorBox = [&](const QString& procedure, const Error& error) {
            asked << QStringLiteral("%1 %2 %3").arg(procedure).arg(error.number()).arg(error.source());
            return c.answer;
        };
        const bool completed = runSteps("Form_Activate", errorBox,
                                        {
                                            [&] { run << "1"; },
                                            [&] {
                                                if (!failed) {
                                                    failed = true;
                                                    run << "2 failed";
                                                    failWith13();
                                                }
                                                run << "2";
                                            },
                                            [&] { run << "3"; },
                                        });
        EXPECT_EQ(run, c.expectedRun);
        EXPECT_EQ(asked, QStringList{"Form_Activate 13 Origin"});
        EXPECT_EQ(completed, c.expectedCompleted);
    }
}

TEST(AutomationProcedure, RetryInsideALoopRepeatsOnlyTheFailingStep) {
    QStringList run;
    int i = 0;
    bool failed = false;
    const bool completed =
        runSteps("Carica", [](const QString&, const Error&) { return errorBoxAnswer::Retry; },
                 {
                     loopWhile([&] { return i < 2; }, {
                                                          [&] { run << QStringLiteral("a%1").arg(i); },
                                                          [&] {
                                                              if (i == 1 && !failed) {
                                                                  failed = true;
                                                                  failWith13();
                                                              }
                                                              run << QStringLiteral("b%1").arg(i);
                                                          },
                                                          [&] { ++i; },
                                                      }),
                     [&] { run << "after"; },
                 });
    EXPECT_TRUE(completed);
    EXPECT_EQ(run, (QStringList{"a0", "b0", "a1", "b1", "after"}));
}

TEST(AutomationProcedure, AbortInsideALoopLeavesTheProcedure) {
    QStringList run;
    const bool completed = runSteps("Carica", [](const QString&, const Error&) { return errorBoxAnswer::Abort; },
                                    {
                                        loopWhile([] { return true; }, {[] { failWith13(); }}),
                                        [&] { run << "after"; },
                                    });
    EXPECT_FALSE(completed);
    EXPECT_TRUE(run.isEmpty());
}

TEST(AutomationProcedure, IgnorePolicyRunsEveryRemainingStep) {
    QStringList run;
    runIgnoringErrors({
        [&] { run << "1"; },
        [] { failWith13(); },
        [] { throw std::runtime_error("not automation"); },
        [&] { run << "4"; },
    });
    EXPECT_EQ(run, (QStringList{"1", "4"}));
}

TEST(AutomationProcedure, IgnoredFailingIfConditionGoesIntoTheTrueBranch) {
    QString branch;
    runIgnoringErrors({ifElse([]() -> bool { failWith13(); }, {[&] { branch = "then"; }}, {[&] { branch = "else"; }})});
    EXPECT_EQ(branch, "then");
}

TEST(AutomationProcedure, IgnoredFailingLoopConditionEndsTheLoop) {
    int rounds = 0;
    runIgnoringErrors({loopWhile([]() -> bool { failWith13(); }, {[&] { ++rounds; }})});
    EXPECT_EQ(rounds, 0);
}

TEST(AutomationProcedure, ReraisingProcedureCalledFromAStepReachesTheErrorBoxWithItsName) {
    QString source;
    runSteps("Form_Activate",
             [&](const QString&, const Error& error) {
                 source = error.source();
                 return errorBoxAnswer::Ignore;
             },
             {[] { reraise("InitGrid", [] { failWith13(); }); }});
    EXPECT_EQ(source, "InitGrid:\r\nOrigin");
}

}  // namespace
