// The news a player following the game by ear hears: each thing the game does, told once, from
// the game's own record of it, in the order it happened and before any message box it leads to;
// and every key that does nothing answers why.
#include "support/table_checks.h"
#include "support/turn_flow.h"
#include "table/tile_words.h"

namespace brackwell::testing {
namespace {

using namespace plat;  // the key codes

// What was heard, in order: the announcements, with each message box where it opened.
std::vector<std::string> heard(Table& t, std::size_t from = 0) {
    std::vector<std::string> out(t.sys.announcements.begin() + static_cast<long>(from),
                                 t.sys.announcements.end());
    return out;
}

struct Listener {
    explicit Listener(Table& t) : t_(t), seen_(t.sys.announcements.size()) {
        t.sys.onMessageBox = [this](const plat::headless::MessageRecord& m) {
            catchUp();
            log.push_back("box: " + m.text.substr(0, m.text.find('\r')));
        };
        t.sys.onEvents = [this](int) { catchUp(); };
    }
    // The announcements made since the last look, in the log.
    void catchUp() {
        while (seen_ < t_.sys.announcements.size())
            log.push_back(t_.sys.announcements[seen_++]);
    }
    std::vector<std::string> log;

  private:
    Table& t_;
    std::size_t seen_;
};

TEST(TableNews, TheOpeningTheComputersAnswerAndTheTurnComingBackAreToldOnceEach) {
    Table t;
    t.form.Form_Load();
    setTiles(t, 22, "34");
    setTiles(t, 15, "45 00 11 22 55 66 01");  // only 4-5 fits the 4 of 3-4
    EXPECT_EQ(t.sys.announcements, std::vector<std::string>{"New hand: you open. Your turn."});
    Listener heard(t);
    t.dragTileTo(22, 6225, 3200);
    heard.catchUp();
    EXPECT_EQ(heard.log, std::vector<std::string>{"You opened with three and four."});
    ASSERT_TRUE(t.runUntilPlayerTurn());
    heard.catchUp();
    // The matching half comes first, so the last word is the end's new open value.
    ASSERT_EQ(heard.log.size(), 2u);
    EXPECT_EQ(heard.log[1], "Computer laid four and five at the right end. Your turn.");
    t.sys.runFor(3000);  // the ticks that follow change nothing and say nothing
    heard.catchUp();
    EXPECT_EQ(heard.log.size(), 2u);
}

TEST(TableNews, TheComputersDrawsAndItsMoveAreToldOnceItsMessagesHaveBeenRead) {
    Table t;
    t.form.Form_Load();
    setTiles(t, 1, "00 11 06 16 26 36 46 56");
    layChain(t, "66");
    t.form.lStatus.setCaption(kComputerTurn);
    Listener heard(t);
    t.form.Timer1.fire();
    heard.catchUp();
    // The boxes are read as they open; the news of the whole turn comes after the last of them.
    EXPECT_EQ(heard.log,
              (std::vector<std::string>{
                  "box: Computer Will Take Extra Card", "box: Computer Will Take Extra Card",
                  "box: Computer Will Take Extra Card",
                  "Computer drew a tile. 13 tiles are left in the boneyard. Computer drew a tile. "
                  "12 tiles are left in the boneyard. Computer drew a tile. 11 tiles are left in "
                  "the boneyard. Computer laid six and blank at the right end. Your turn."}));
}

TEST(TableNews, APassThatFollowsAMoveIsTheBoxThenYourTurnAndANewHandSaysWhoOpensWithWhat) {
    Table t;
    t.form.Form_Load();
    layChain(t, "66 62");                     // open on 6 at the left, 2 at the right
    setTiles(t, 15, "00 01 03 04 11 13 14");  // the computer holds neither a six nor a five
    t.form.pull.setText("14");
    Listener heard(t);
    ASSERT_EQ(t.form.lStatus.caption(), kYourTurn);
    t.keys.press(kKeyEscape);
    const plat::Control* focus = t.form.window.focused();
    ASSERT_NE(focus, nullptr);
    setTiles(t, focus->index(), "25");
    t.keys.press(kKeyDown);
    t.sys.runFor(3000);
    heard.catchUp();
    ASSERT_GE(heard.log.size(), 3u) << ::testing::PrintToString(heard.log);
    EXPECT_EQ(heard.log[0], "You laid two and five at the right end.");
    EXPECT_EQ(heard.log[1], "box: Computer Has No Cards To Move");
    EXPECT_EQ(heard.log[2], "Your turn.");

    heard.log.clear();
    t.form.PushButton1.click();  // the computer opens the next hand at the turn tick
    t.sys.runFor(1000);
    heard.catchUp();
    ASSERT_EQ(heard.log.size(), 3u) << ::testing::PrintToString(heard.log);
    EXPECT_EQ(heard.log[0], "New hand: the computer opens.");
    EXPECT_EQ(heard.log[1], "box: Computer Will Start");
    const int opened = t.tilesIn(Table::Place::Chain).front();
    EXPECT_EQ(heard.log[2], "Computer opened with " +
                                tileWords(t.form.lcard(opened).tag(), t.form.rcard(opened).tag()) +
                                ". Your turn.");
}

TEST(TableNews, YourDrawNamesTheTileAndWhereItFitsAndTheCheatLookTellsTheTilesWhileShown) {
    Table t;
    t.form.Form_Load();
    layChain(t, "66");
    setTiles(t, 1, "65 12");  // the boneyard's first tile fits
    setTiles(t, 23, "01 02 03 04 05 11");
    Listener heard(t);
    t.keys.press('G');
    heard.catchUp();
    ASSERT_FALSE(heard.log.empty());
    EXPECT_EQ(heard.log.back(),
              "You drew six and five: fits both ends. 13 tiles are left in the boneyard.");

    std::string duringLook;
    t.sys.onEvents = [&](int) {
        if (t.form.Showcomppic.value() == 1 && duringLook.empty() && !t.sys.announcements.empty())
            duringLook = t.sys.announcements.back();
    };
    t.keys.press('C');
    std::string expected;
    for (int k : t.tilesIn(Table::Place::ComputerHand))
        expected += (expected.empty() ? "" : ", ") +
                    tileWords(t.form.lcard(k).tag(), t.form.rcard(k).tag());
    EXPECT_EQ(duringLook, "Computer's tiles: " + expected + ".");
}

// Every key that lays nothing says why, to the ear and for a moment on the table; a walk of the
// focus says nothing of the news, and T and A read the table and the last news on demand.
TEST(KeyAnswers, AKeyThatDoesNothingSaysWhyAndTheNoteGoesAfterAWhile) {
    struct Case {
        const char* hand;  // tile 24's pips; the line of play is 1-2 | 2-3, open on 1 and 3
        const char* others;
        int key;
        bool focusShown;
        const char* answer;
    };
    const Case cases[] = {
        {"43", "55 66 44 22", kKeyUp, true, "does not fit the left end"},
        {"14", "55 66 44 22", kKeyDown, true, "does not fit the right end"},
        {"55", "13 66 44 22", kKeyReturn, true, "does not fit: try another tile"},
        {"55", "66 44 22 00", kKeySpace, true, "nothing fits: G draws a tile"},
        {"13", "55 66 44 22", kKeyReturn, false, "one and three: press again to lay it"},
        {"13", "55 66 44 22", 'G', true, "a tile of yours fits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        layChain(t, "12 23");
        setTiles(t, 24, c.hand);
        setTiles(t, 25, c.others);
        f.changetoplayer();
        f.Timer1.fire();  // the turn tick offers Get Card only while nothing fits
        t.keys.press(kKeyEscape);
        while (f.window.focused() != &f.lcard(24))
            t.keys.press(kKeyRight);
        const std::vector<int> home = spotOf(t, 24);
        const std::size_t before = t.sys.announcements.size();
        t.keys.press(c.key, 0, false, c.focusShown);
        EXPECT_EQ(heard(t, before), std::vector<std::string>{c.answer});
        EXPECT_EQ(spotOf(t, 24), home);
        EXPECT_EQ(f.window.focused(), &f.lcard(24));  // the focus stays on the tile
        EXPECT_TRUE(f.lKeyNote.visible());
        EXPECT_EQ(f.lKeyNote.caption(), c.answer);
        t.sys.runFor(3000);
        EXPECT_FALSE(f.lKeyNote.visible());
        EXPECT_NO_THROW(TableChecker{t});
    }
}

// The turn comes back before the turn tick offers Get Card: G draws at once when nothing fits,
// and says why not when a tile does.
TEST(KeyAnswers, GDrawsAsSoonAsTheTurnComesBackWhenNothingFits) {
    for (const bool fits : {false, true}) {
        Table t;
        Form1& f = t.form;
        f.Form_Load();
        layChain(t, "12 23");  // open on 1 and 3
        setTiles(t, 24, fits ? "13 66 44 22 00" : "55 66 44 22 00");
        f.changetoplayer();
        f.PushButton3.setEnabled(false);  // as the computer's turn left it
        const std::size_t before = t.sys.announcements.size();
        t.keys.press('G');
        EXPECT_EQ(t.val(f.pull), fits ? 0 : 1) << fits;
        if (fits) {
            EXPECT_EQ(heard(t, before), std::vector<std::string>{"a tile of yours fits"});
        }
        EXPECT_NO_THROW(TableChecker{t});
    }
}

TEST(KeyAnswers, NotYourTurnTheRowsEndsAndTheOnDemandKeysAnswerAndArrowsRepeatNoNews) {
    Table t;
    Form1& f = t.form;
    f.Form_Load();
    t.keys.press(kKeyEscape);
    std::size_t before = t.sys.announcements.size();
    t.keys.press(kKeyLeft);
    EXPECT_EQ(heard(t, before), std::vector<std::string>{"start of your hand"});
    for (int i = 0; i < 6; ++i)
        t.keys.press(kKeyRight);
    before = t.sys.announcements.size();
    t.keys.press(kKeyLeft);
    t.keys.press(kKeyRight);
    EXPECT_TRUE(heard(t, before).empty());  // a focus move speaks the tile, never the news
    t.keys.press(kKeyRight);
    EXPECT_EQ(heard(t, before), std::vector<std::string>{"end of your hand"});

    before = t.sys.announcements.size();
    t.keys.press('T');
    t.keys.press('A');
    t.keys.press('A', 0, true);  // held: once
    EXPECT_EQ(heard(t, before), (std::vector<std::string>{f.reading().summary(), f.news().last()}));
    EXPECT_EQ(f.news().last(), "New hand: you open. Your turn.");

    f.changetocomputer();
    before = t.sys.announcements.size();
    t.keys.press(kKeyReturn);
    t.keys.press('G');
    EXPECT_EQ(heard(t, before), (std::vector<std::string>{"not your turn", "not your turn"}));
    EXPECT_EQ(t.tilesIn(Table::Place::Chain).size(), 0u);
}

}  // namespace
}  // namespace brackwell::testing
