// The end of a hand: each side's points, the message that names the leader (the lower score),
// the computer's tiles shown, and the next hand or the end of the program.
#include "support/turn_flow.h"

namespace brackwell::testing {
namespace {

using Place = Table::Place;
using EndOfHandTest = TableTest;

struct Scores {
    const char *ccsc, *csc, *ppsc, *psc;
};

void settleHand(Table& t, const Scores& s) {
    t.form.ccsc.setCaption(s.ccsc);
    t.form.csc.setCaption(s.csc);
    t.form.ppsc.setCaption(s.ppsc);
    t.form.psc.setCaption(s.psc);
    t.form.handOver = 1;
    t.form.Timer2.fire();
}

struct LeadCase {
    Scores scores;
    const char* message;
    const char* compscore;
    const char* playerscore;
};

const LeadCase kLeads[] = {
    {{"12", "23", "30", "4"},
     "Player Win That Game \r\n Player Score :    = 030 + 004 = 034\r\n Computer Score = 012 + "
     "023 = 035",
     "035",
     "034"},
    {{"0", "12", "0", "20"},
     "Computer Win That Game\r\n Computer Score = 000 + 012 = 012\r\n Player Score :    = 000 + "
     "020 = 020",
     "012",
     "020"},
    {{"30", "10", "25", "15"},
     "Game Is Draw\r\n Player Score :    = 025 + 015 = 040\r\n Computer Score = 030 + 010 = 040",
     "040",
     "040"},
};

// Three hands in a row on one table: each is opened by the side that did not open the last.
TEST_F(EndOfHandTest, TheLowerScoreLeadsTheComputersFacesShowAndTheOtherSideOpensTheNextHand) {
    bool facesShown = false;
    std::vector<std::string> listed, held;
    sys.onMessageBox = [&](const auto&) {
        facesShown = form.List1.listCount() > 0;
        listed.clear();
        for (int i = 0; i < form.List1.listCount(); ++i) {
            const int k = static_cast<int>(plat::ival(form.List1.list(i)));
            listed.push_back(std::to_string(k));
            facesShown &= form.lcard(k).picture() == plat::ival(form.lcard(k).tag()) + 1 &&
                          form.rcard(k).picture() == plat::ival(form.rcard(k).tag()) + 1;
        }
        held.clear();
        for (int k : t.tilesIn(Place::ComputerHand))
            held.push_back(std::to_string(k));
    };
    const char* opener[] = {kComputerTurn, kYourTurn, kComputerTurn};
    for (int i = 0; i < 3; ++i) {
        const LeadCase& c = kLeads[i];
        SCOPED_TRACE(c.message);
        const std::size_t shown = sys.messages.size();
        settleHand(t, c.scores);
        EXPECT_EQ(messagesFrom(t, shown), std::vector<std::string>{c.message});
        EXPECT_TRUE(facesShown);
        EXPECT_EQ(listed, held);
        EXPECT_EQ(form.compscore.caption(), c.compscore);
        EXPECT_EQ(form.playerscore.caption(), c.playerscore);
        EXPECT_EQ(form.ccsc.caption(), c.compscore);
        EXPECT_EQ(form.ppsc.caption(), c.playerscore);
        EXPECT_EQ(form.handOver, 0);
        EXPECT_EQ(form.lStatus.caption(), opener[i]);
        EXPECT_EQ(form.pull.text(), "0");
        EXPECT_TRUE(tableIsConsistent(t));
        form.Timer2.fire();  // the next hand's first tick keeps the carried scores
        EXPECT_EQ(form.compscore.caption(), c.compscore);
        EXPECT_EQ(form.playerscore.caption(), c.playerscore);
    }
}

struct GameOverCase {
    const char* name;
    Scores scores;
    const char* firstLine;
    bool programEnds;
};

const GameOverCase kGameOver[] = {
    {"computer exactly 101, player higher",
     {"90", "11", "100", "4"},
     "Computer Win That Game",
     true},
    {"computer 100", {"95", "5", "40", "0"}, "Player Win That Game ", false},
    {"both 101", {"100", "1", "99", "2"}, "Game Is Draw", true},
    {"player exactly 101", {"0", "20", "95", "6"}, "Computer Win That Game", true},
};

TEST(EndOfGame, AScoreOf101EndsTheProgramAfterTheMessageAndAScoreOf100DealsTheNextHand) {
    for (const GameOverCase& c : kGameOver) {
        SCOPED_TRACE(c.name);
        Table t;
        t.form.Form_Load();
        bool ended = false;
        try {
            settleHand(t, c.scores);
        } catch (const plat::ProgramEnded&) {
            ended = true;
        }
        EXPECT_EQ(ended, c.programEnds);
        EXPECT_EQ(t.sys.ended, c.programEnds);
        ASSERT_EQ(t.sys.messages.size(), 1u);
        EXPECT_TRUE(t.sys.messages[0].text.starts_with(std::string(c.firstLine) + "\r\n"))
            << t.sys.messages[0].text;
        if (!c.programEnds) {
            EXPECT_EQ(t.form.lStatus.caption(), kComputerTurn);
        }
    }
}

// The computer's hand is down to one tile, which it lays; the next tick scores the hand.
TEST_F(EndOfHandTest, NothingIsCountedForAComputerThatEmptiedItsHand) {
    setTiles(t, 15, "56");
    layChain(t, {16, 17, 18, 19, 20, 21}, 3, 5);
    form.lStatus.setCaption(kComputerTurn);
    form.Timer1.fire();
    ASSERT_EQ(t.placeOf(15), Place::Chain);
    ASSERT_EQ(form.cno.text(), "0");
    int listedAtEnd = -1;
    sys.onMessageBox = [&](const auto&) { listedAtEnd = form.List1.listCount(); };
    form.Timer2.fire();
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_NE(sys.messages[0].text.find(" Computer Score = 000 + 000 = 000"), std::string::npos)
        << sys.messages[0].text;
    EXPECT_EQ(listedAtEnd, 0);
}

}  // namespace
}  // namespace brackwell::testing
