// Whose turn it is, shown by the status label beside the hand of the side to move, and the
// short wait of the animations.
#include <functional>
#include <limits>
#include <stdexcept>

#include "support/table_fixture.h"

namespace brackwell::testing {
namespace {

class StatusTable : public TableTest {};

TEST_F(StatusTable, GetturnFlipsTheStatusAndTwiceLeavesItAsItWas) {
    struct Case {
        const char* status;
        int top;
        const char* flipped;
        int flippedTop;
    };
    for (const Case& c :
         {Case{kYourTurn, 7100, kComputerTurn, 1100}, Case{kComputerTurn, 1100, kYourTurn, 7100}}) {
        SCOPED_TRACE(c.status);
        form.lStatus.setCaption(c.status);
        form.lStatus.setTop(c.top);
        form.getturn();
        EXPECT_EQ(form.lStatus.caption(), c.flipped);
        EXPECT_EQ(form.lStatus.top(), c.flippedTop);
        form.getturn();
        EXPECT_EQ(form.lStatus.caption(), c.status);
        EXPECT_EQ(form.lStatus.top(), c.top);
    }
}

TEST_F(StatusTable, ChangetoplayerAndChangetocomputerMoveTheStatusBesideThatSidesRow) {
    const int left = form.lStatus.left();
    form.changetocomputer();
    EXPECT_EQ(form.lStatus.caption(), "Status: Computer1");
    EXPECT_EQ(form.lStatus.top(), 1100);
    form.changetoplayer();
    EXPECT_EQ(form.lStatus.caption(), "Status: Your Turn");
    EXPECT_EQ(form.lStatus.top(), 7100);
    EXPECT_EQ(form.lStatus.left(), left);
}

// Runs a wait and counts the processings of events in it, in all and at its own level. A busy
// wait would run the events thousands of times in a second, and on the headless clock, which
// moves only in waits, it would never return: it is stopped here.
struct EventPasses {
    int all = 0, outer = 0;
};
EventPasses passesDuring(HeadlessPlatform& sys, const std::function<void()>& wait) {
    EventPasses n;
    sys.onEvents = [&](int depth) {
        if (++n.all > 10000) throw std::runtime_error("the wait spins");
        if (depth == 1) ++n.outer;
    };
    wait();
    sys.onEvents = nullptr;
    return n;
}

TEST_F(StatusTable, DelayReturnsNoSoonerThanAskedAndRunsEventsAtLeastOnce) {
    for (float ms : {0.f, 1.f, 5.f, 100.f, 1000.f}) {
        SCOPED_TRACE(ms);
        const auto before = sys.now();
        const EventPasses n = passesDuring(sys, [&] { form.Delay(ms); });
        EXPECT_GE(sys.now() - before, static_cast<std::int64_t>(ms));
        EXPECT_GE(n.all, 1);
    }
}

TEST(Delay, WaitsTheAskedTimeAcrossTheWrapOfTheTickCount) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t firstTick : {2147483000, kMax - 2, kMax, -1}) {
        SCOPED_TRACE(firstTick);
        Table t(42, firstTick);
        t.form.Form_Load();
        const auto before = t.sys.now();
        passesDuring(t.sys, [&] { t.form.Delay(1000); });
        EXPECT_GE(t.sys.now() - before, 1000);
        EXPECT_LT(t.sys.now() - before, 2000);
    }
}

TEST_F(StatusTable, DelaySleepsOnTheEventLoopInsteadOfSpinning) {
    const EventPasses n = passesDuring(sys, [&] { form.Delay(1000); });
    EXPECT_GE(n.outer, 1);
    EXPECT_LE(n.outer, 30) << "two timers ticking every 100 ms wake the wait about ten times";
}

}  // namespace
}  // namespace brackwell::testing
