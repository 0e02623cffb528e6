// A run-time failure is reported with the application-error message, under the name of the
// procedure that trapped it (or of the event handler when none did), and the game goes on.
#include <functional>

#include "support/table_fixture.h"
#include "table/app_error.h"

namespace brackwell::testing {
namespace {

class ErrorTable : public TableTest {};

using plat::headless::Service;

std::string expectedText(const std::string& procedure, int line) {
    return "Device unavailable\r\nin BrackwellGame2021/08/31.Form1." + procedure + " at line " +
           std::to_string(line) + "\r\rPlease email screenshot of this message to " +
           kSupportAddress;
}

void expectOneReport(Table& t, const std::string& procedure) {
    ASSERT_EQ(t.sys.messages.size(), 1u);
    ASSERT_TRUE(t.sys.failedAt.has_value());
    const auto& m = t.sys.messages.front();
    EXPECT_EQ(m.text, expectedText(procedure, static_cast<int>(t.sys.failedAt->line())));
    EXPECT_EQ(m.style, 48);
    EXPECT_EQ(m.title, "Application Error");
}

struct TrappedCase {
    const char* procedure;
    std::function<void(Table&)> provoke;  // makes a service fail inside the procedure
    std::function<void(Table&)> leftAfterReport;
};

const TrappedCase kTrapped[] = {
    {"swap",
     [](Table& t) {
         t.sys.failNext(Service::Rnd, "Device unavailable");
         t.form.Form_Load();
     },
     [](Table& t) {
         // Nothing after the first random draw ran: no faces, no pip totals; the deal goes on.
         EXPECT_EQ(t.form.lcard(22).picture(), plat::kTileBack);
         EXPECT_EQ(t.form.psc.caption(), "00");
         EXPECT_EQ(t.form.lStatus.caption(), kYourTurn);
     }},
    {"variableppmove",
     [](Table& t) {
         t.form.Form_Load();
         t.sys.failNext(Service::DoEvents, "Device unavailable");
         int passesAfter = 0;
         t.sys.onEvents = [&](int) {
             if (!t.sys.inMessageBox()) ++passesAfter;  // the report's own box runs events
         };
         t.form.variableppmove();
         t.sys.onEvents = nullptr;
         EXPECT_EQ(passesAfter, 0) << "the count went on after its failed first pass";
     },
     [](Table&) {}},
    {"PushButton3_Click",
     [](Table& t) {
         t.form.Form_Load();
         t.sys.failNext(Service::PlaySound, "Device unavailable");
         t.form.PushButton3_Click();
     },
     [](Table& t) {
         EXPECT_EQ(t.form.pno.text(), "7");
         EXPECT_EQ(t.placeOf(1), Table::Place::Boneyard);
         EXPECT_TRUE(t.form.Timer2.enabled());
     }},
};

TEST(ApplicationError, TrappedFailureIsReportedUnderItsProcedureWhichIsThenLeft) {
    for (const TrappedCase& c : kTrapped) {
        SCOPED_TRACE(c.procedure);
        Table t;
        c.provoke(t);
        expectOneReport(t, c.procedure);
        c.leftAfterReport(t);
    }
}

TEST_F(ErrorTable, UntrappedFailureInATimerTickIsReportedUnderTheTickAndPlayGoesOn) {
    form.Timer2.setEnabled(false);
    // The player's count makes seven passes under its own trap; the computer's first pass has
    // none, so its failure reaches the turn tick.
    sys.failNext(Service::DoEvents, "Device unavailable", 7);
    sys.runFor(100);
    expectOneReport(t, "Timer1_Timer");
    sys.runFor(1000);
    EXPECT_EQ(sys.messages.size(), 1u);
    EXPECT_FALSE(sys.ended);
    EXPECT_EQ(form.List1.listCount(), 7) << "later ticks count the computer's hand again";
}

}  // namespace
}  // namespace brackwell::testing
