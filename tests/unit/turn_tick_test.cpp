// The turn tick: "Get Card" is offered only while the player has nothing to play; on the
// computer's turn the button is taken away before the computer moves.
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using TurnTickTest = TableTest;

// The double six opens the line, the player holds no six but holds 1-3; one end is changed
// between ticks.
TEST_F(TurnTickTest, OnThePlayersTurnGetCardIsEnabledExactlyWhileNothingFits) {
    setTiles(t, 1, "06 16 26 36 46 56");
    setTiles(t, 22, "66 13");
    layChain(t, {22}, 6, 6);
    form.lStatus.setCaption(kYourTurn);
    struct Step {
        const char* cd;
        bool offered;
    };
    for (const Step& s : {Step{"6", true}, Step{"3", false}, Step{"6", true}}) {
        form.cd.setCaption(s.cd);
        form.Timer1.fire();
        EXPECT_EQ(form.AvPmove.text() == "0", s.offered) << "cd " << s.cd;
        EXPECT_EQ(form.PushButton3.enabled(), s.offered) << "cd " << s.cd;
    }
}

TEST_F(TurnTickTest, OnTheComputersTurnGetCardIsDisabledAndMaxResetBeforeTheMoveStarts) {
    form.lStatus.setCaption(kComputerTurn);
    form.PushButton3.setEnabled(true);
    form.max.setCaption("5");
    bool enabledAtStart = true;
    std::string maxAtStart;
    sys.onMessageBox = [&](const auto&) {
        if (!maxAtStart.empty()) return;
        enabledAtStart = form.PushButton3.enabled();
        maxAtStart = form.max.caption();
    };
    form.Timer1.fire();
    EXPECT_EQ(messagesFrom(t), std::vector<std::string>{"Computer Will Start"});
    EXPECT_FALSE(enabledAtStart);
    EXPECT_EQ(maxAtStart, "0");
}

}  // namespace
}  // namespace brackwell::testing
