#include "automation/event.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

namespace {

using automation::Event;

TEST(AutomationEvent, HandlersRunInConnectionOrderAndShareTheCancelFlag) {
    Event<bool&> beforeDelete;
    QStringList calls;
    bool seenBySecond = false;
    beforeDelete.connect([&](bool& cancel) {
        calls << "first";
        cancel = true;
    });
    beforeDelete.connect([&](bool& cancel) {
        calls << "second";
        seenBySecond = cancel;
    });

    bool cancel = false;
    beforeDelete.raise(cancel);

    EXPECT_EQ(calls, (QStringList{"first", "second"}));
    EXPECT_TRUE(seenBySecond);
    EXPECT_TRUE(cancel);
}

TEST(AutomationEvent, ValueArgumentsAreCopiesForEachHandler) {
    Event<int> changed;
    std::vector<int> seen;
    changed.connect([&](int value) {
        seen.push_back(value);
        value = 0;
    });
    changed.connect([&](int value) { seen.push_back(value); });

    changed.raise(7);

    EXPECT_EQ(seen, (std::vector<int>{7, 7}));
}

TEST(AutomationEvent, DisconnectByIdAndDisconnectAll) {
    Event<> click;
    int a = 0, b = 0;
    const auto first = click.connect([&] { ++a; });
    click.connect([&] { ++b; });

    EXPECT_TRUE(click.disconnect(first));
    EXPECT_FALSE(click.disconnect(first));
    click.raise();
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);

    click.disconnectAll();
    click.raise();
    EXPECT_EQ(b, 1);
    EXPECT_FALSE(click.hasHandlers());
}

TEST(AutomationEvent, HandlersMayDisconnectDuringRaise) {
    Event<> click;
    QStringList calls;
    Event<>::ConnectionId self = 0, later = 0;
    self = click.connect([&] {
        calls << "self";
        click.disconnect(self);
        click.disconnect(later);
        click.connect([&] { calls << "added"; });
    });
    later = click.connect([&] { calls << "later"; });

    click.raise();
    EXPECT_EQ(calls, (QStringList{"self"}));

    click.raise();
    EXPECT_EQ(calls, (QStringList{"self", "added"}));
}

}  // namespace
