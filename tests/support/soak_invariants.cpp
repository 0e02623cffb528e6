#include "support/soak_invariants.h"

#include <algorithm>
#include <sstream>

#include "chain/chain_layout.h"

namespace brackwell::testing {

using plat::ival;

namespace {

constexpr int kBoneyardSize = 14;
constexpr int kGameOver = 101;

struct Cell {
    int x, y;
    bool operator==(const Cell&) const = default;
};

long long distance2(Cell a, Cell b) {
    const long long dx = a.x - b.x, dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// A laid tile covers two cells of its slot, 420 apart along the slot's length.
bool fillsSlot(const SlotPlace& s, Cell a, Cell b) {
    const Cell c{s.left + 25, s.top + 25};
    const Cell d = s.width > s.height ? Cell{c.x + 420, c.y} : Cell{c.x, c.y + 420};
    return (a == c && b == d) || (a == d && b == c);
}

bool isPass(const std::string& text) {
    return text.find("Has No Cards To Move") != std::string::npos;
}

bool isHandEnd(const std::string& text) {
    return text.starts_with("Computer Win That Game") ||
           text.starts_with("Player Win That Game ") || text.starts_with("Game Is Draw");
}

// The halves of tile k: where they lie and their pips.
struct Halves {
    Halves(Form1& f, int k)
        : a{f.lcard(k).left(), f.lcard(k).top()},
          b{f.rcard(k).left(), f.rcard(k).top()},
          pa(static_cast<int>(ival(f.lcard(k).tag()))),
          pb(static_cast<int>(ival(f.rcard(k).tag()))) {}
    Cell a, b;
    int pa, pb;
    std::string describe(int k) const {
        std::ostringstream out;
        out << "tile " << k << " (" << pa << "-" << pb << ") at (" << a.x << "," << a.y << ")/("
            << b.x << "," << b.y << ")";
        return out.str();
    }
};

}  // namespace

void SoakChecker::start() {
    t_.sys.recordChanges = true;
    status_ = t_.form.lStatus.caption();
    verify("after loading");
}

bool SoakChecker::tableAtRest() {
    return !t_.form.gate().busy() && t_.form.gate().dragTile() == 0;
}

void SoakChecker::verify(const std::string& where, bool topLevel) {
    Form1& f = t_.form;
    if (topLevel && (!f.Timer1.enabled() || !f.Timer2.enabled()))
        fail(where, "a timer is left off while nothing runs");
    if (f.Cover(0).visible() || f.Shmove.visible())
        fail(where, "the preview tile or the drag frame is still shown");
    const Survey s = survey(where);
    checkTurn(where, s);
    checkScores(where);
}

SoakChecker::Survey SoakChecker::survey(const std::string& where) {
    Form1& f = t_.form;
    const int pull = static_cast<int>(ival(f.pull.text()));
    if (pull < 0 || pull > kBoneyardSize || pull != f.playerDrawn + f.compDrawn)
        fail(where, "pull does not agree with the tiles drawn");
    const bool opened = f.first(0).caption() == "1";
    const int nr = static_cast<int>(ival(f.first(1).caption()));
    const int nl = static_cast<int>(ival(f.first(2).caption()));
    if (nr < 0 || nl < 0 || nr + nl > kTiles - 1 || (!opened && nr + nl > 0))
        fail(where, "the chain's counters are out of range");
    // Entry 0 of each branch is the opening tile, entry i + 1 the tile in slot i.
    std::vector<int> right(static_cast<std::size_t>(nr + 1)),
        left(static_cast<std::size_t>(nl + 1));
    std::vector<int> playerRow, computerRow;
    int boneyard = 0;
    // A tile on the line of play takes the opening place or a slot in use; none holds two.
    const auto laid = [&](int k, Cell a, Cell b) {
        int* spot = nullptr;
        if (opened && a == Cell{kOpeningLeftL, kOpeningTop} &&
            b == Cell{kOpeningLeftR, kOpeningTop})
            spot = &right[0];
        for (std::size_t i = 0; i < right.size() - 1 && spot == nullptr; ++i) {
            if (fillsSlot(rightSlots()[i], a, b)) spot = &right[i + 1];
        }
        for (std::size_t i = 0; i < left.size() - 1 && spot == nullptr; ++i) {
            if (fillsSlot(leftSlots()[i], a, b)) spot = &left[i + 1];
        }
        if (spot == nullptr) return false;
        if (*spot != 0)
            fail(where, "tiles " + std::to_string(*spot) + " and " + std::to_string(k) +
                            " lie in one place");
        *spot = k;
        return true;
    };
    for (int k = 1; k <= kTiles; ++k) {
        if (!f.lcard.isLoaded(k) || !f.rcard.isLoaded(k) || !f.lcard(k).visible() ||
            !f.rcard(k).visible())
            fail(where, "tile " + std::to_string(k) + " is not shown on the table");
        const Cell a{f.lcard(k).left(), f.lcard(k).top()};
        const Cell b{f.rcard(k).left(), f.rcard(k).top()};
        const int boneTop = 650 + 435 * k;
        if (k > pull && k <= kBoneyardSize && a == Cell{540, boneTop} && b == Cell{120, boneTop}) {
            ++boneyard;
        } else if (a.y == 7675 && b == Cell{a.x, 8095}) {
            playerRow.push_back(k);
        } else if (a.x == b.x && ((a.y == 30 && b.y == 450) || (a.y == 60 && b.y == 480))) {
            computerRow.push_back(k);
        } else if (!laid(k, a, b)) {
            fail(where, Halves(f, k).describe(k) + " lies nowhere");
        }
    }
    left[0] = right[0];
    if (boneyard != kBoneyardSize - pull)
        fail(where, "the boneyard column is not tiles pull+1..14");
    for (const auto* branch : {&right, &left}) {
        for (std::size_t i = opened ? 0 : 1; i < branch->size(); ++i) {
            if ((*branch)[i] == 0) fail(where, "a slot of the chain in use holds no tile");
        }
    }
    Survey s;
    s.chain = opened ? 1 + nr + nl : 0;
    // The rows hold exactly the tiles that each hand's list names, once each.
    for (int i = 1; i <= 7 + f.playerDrawn; ++i) {
        const int k = f.playerTiles(i);
        if (std::find(playerRow.begin(), playerRow.end(), k) != playerRow.end())
            s.player.push_back(k);
    }
    for (int i = 1; i <= 7 + f.compDrawn; ++i) {
        const int k = f.compTiles(i);
        if (std::find(computerRow.begin(), computerRow.end(), k) != computerRow.end())
            s.computer.push_back(k);
    }
    if (s.player.size() != playerRow.size() || s.computer.size() != computerRow.size())
        fail(where, "a hand row and its list of tiles disagree");
    checkHand(where, s.player, false);
    checkHand(where, s.computer, true);
    if (opened) checkChain(where, right, left);
    return s;
}

// A row stands as dealt (seven tiles 485 apart, the computer's at Top 60) or packed in the
// order received (480 apart, the computer's at Top 30); its counters agree with its tiles.
void SoakChecker::checkHand(const std::string& where, const std::vector<int>& hand, bool computer) {
    Form1& f = t_.form;
    const std::string side = computer ? "the computer's" : "the player's";
    long long pips = 0;
    for (int k : hand)
        pips += ival(f.lcard(k).tag()) + ival(f.rcard(k).tag());
    if (ival((computer ? f.cno : f.pno).text()) != static_cast<long long>(hand.size()))
        fail(where, side + " tile count is not the tiles in hand");
    if (ival((computer ? f.csc : f.psc).caption()) != pips)
        fail(where, side + " pip total is not the pips in hand");
    if (hand.empty()) return;
    const int pitch = f.lcard(hand[0]).left() - 1350;
    const bool dealt = pitch == 485 && hand.size() == 7;
    if (!dealt && pitch != 480) fail(where, side + " row is neither dealt nor packed");
    for (std::size_t n = 0; n < hand.size(); ++n) {
        const Halves h(f, hand[n]);
        const bool rowTop = !computer || h.a.y == (dealt ? 60 : 30);
        if (h.a.x != 1350 + pitch * static_cast<int>(n + 1) || !rowTop)
            fail(where, h.describe(hand[n]) + " is out of " + side + " row");
    }
}

// Each branch, walked outwards from the opening tile: every tile touches the open half of the
// tile before it with a half of the same pips, and the last open half is the end's value.
void SoakChecker::checkChain(const std::string& where, const std::vector<int>& right,
                             const std::vector<int>& left) {
    Form1& f = t_.form;
    for (const bool isRight : {true, false}) {
        const std::vector<int>& branch = isRight ? right : left;
        const Halves opening(f, branch[0]);
        Cell open = isRight ? opening.b : opening.a;
        int pips = isRight ? opening.pb : opening.pa;
        for (std::size_t i = 1; i < branch.size(); ++i) {
            const Halves h(f, branch[i]);
            const bool firstTouches = distance2(h.a, open) < distance2(h.b, open);
            if ((firstTouches ? h.pa : h.pb) != pips)
                fail(where, h.describe(branch[i]) + " does not match its neighbour's " +
                                std::to_string(pips));
            open = firstTouches ? h.b : h.a;
            pips = firstTouches ? h.pb : h.pa;
        }
        const plat::Label& end = isRight ? f.cd : f.cu;
        if (end.caption() != std::to_string(pips))
            fail(where, std::string(isRight ? "cd" : "cu") + " reads \"" + end.caption() +
                            "\" but the end shows " + std::to_string(pips));
    }
}

// The turn changes once for every tile laid and every pass; a deal gives it to the side whose
// hand it is to open.
void SoakChecker::checkTurn(const std::string& where, const Survey& s) {
    Form1& f = t_.form;
    HeadlessPlatform& sys = t_.sys;
    const std::string& now = f.lStatus.caption();
    if (now != kYourTurn && now != kComputerTurn) fail(where, "the status reads \"" + now + "\"");
    int passes = 0;
    for (; messagesSeen_ < sys.messages.size(); ++messagesSeen_)
        passes += isPass(sys.messages[messagesSeen_].text) ? 1 : 0;
    bool dealt = false;
    for (const auto& [control, what] : sys.changes)
        dealt = dealt || (control == &f.lcard.element(1) && (what & plat::kLoaded) != 0);
    sys.changes.clear();
    const int pull = static_cast<int>(ival(f.pull.text()));
    std::string expected = status_;
    int flips = s.chain - chain_ + passes;
    if (dealt) {
        // A deal gives the turn to the side whose hand it is to open. A pass needs all 14 tiles
        // drawn, and passes since the deal cannot be told from earlier ones: then nothing is
        // expected.
        expected = f.mturn.text() == "1" ? kYourTurn : kComputerTurn;
        flips = pull < kBoneyardSize ? s.chain : 0;
        if (pull == kBoneyardSize) expected = now;
    } else if (s.chain < chain_ || pull < pull_) {
        fail(where, "the chain or the draws went back without a deal");
    }
    if (flips % 2 == 1) expected = expected == kYourTurn ? kComputerTurn : kYourTurn;
    if (now != expected)
        fail(where, "the status changed from \"" + status_ + "\" with " + std::to_string(flips) +
                        " tiles laid and passes" + (dealt ? " after a deal" : ""));
    status_ = now;
    chain_ = s.chain;
    pull_ = pull;
}

void SoakChecker::checkScores(const std::string& where) {
    const long long c = ival(t_.form.compscore.caption()), p = ival(t_.form.playerscore.caption());
    if (c < comp_ || p < player_) fail(where, "a score fell");
    comp_ = c;
    player_ = p;
    if (endDue_) fail(where, "the game goes on after a hand ended with a score of 101");
    if (c >= kGameOver || p >= kGameOver) fail(where, "a score of 101 stands and the game goes on");
}

int SoakChecker::matchingHalves(const std::vector<int>& hand) {
    Form1& f = t_.form;
    const long long l = ival(f.cu.caption()), r = ival(f.cd.caption());
    int n = 0;
    for (int k : hand) {
        for (long long pips : {ival(f.lcard(k).tag()), ival(f.rcard(k).tag())})
            n += pips == l || pips == r ? 1 : 0;
    }
    return n;
}

void SoakChecker::onMessage(const plat::headless::MessageRecord& m) {
    Form1& f = t_.form;
    const std::string where = "message \"" + m.text.substr(0, m.text.find('\r')) + "\"";
    if (m.title == "Application Error" || m.style == 48) fail(where, m.text);
    const bool boneyardEmpty = ival(f.pull.text()) == kBoneyardSize;
    if (isPass(m.text)) {
        const Survey s = survey(where);
        const bool player = m.text.starts_with("Player");
        if (f.lStatus.caption() != (player ? kYourTurn : kComputerTurn) || !boneyardEmpty ||
            matchingHalves(player ? s.player : s.computer) != 0)
            fail(where, "a side passes that may play or draw, or whose turn it is not");
    } else if (isHandEnd(m.text)) {
        const Survey s = survey(where);
        const bool blocked =
            boneyardEmpty && matchingHalves(s.player) == 0 && matchingHalves(s.computer) == 0;
        if (!s.player.empty() && !s.computer.empty() && !blocked)
            fail(where, "a hand is scored that is not over");
        const long long c = ival(f.compscore.caption()), p = ival(f.playerscore.caption());
        if (c != ival(f.ccsc.caption()) + ival(f.csc.caption()) ||
            p != ival(f.ppsc.caption()) + ival(f.psc.caption()))
            fail(where, "a score is not its total plus the pips left in hand");
        ++handsScored_;
        endDue_ = c >= kGameOver || p >= kGameOver;
    } else if (m.text == "Computer Will Take Extra Card") {
        if (boneyardEmpty || matchingHalves(survey(where).computer) != 0)
            fail(where, "the computer draws while it may play, or from an empty boneyard");
    } else if (m.text == "Computer Will Start") {
        if (survey(where).chain != 0) fail(where, "the computer opens a chain already opened");
    } else {
        fail(where, "an unexpected message");
    }
}

void SoakChecker::verifyEnd() {
    const long long c = ival(t_.form.compscore.caption()), p = ival(t_.form.playerscore.caption());
    if (!t_.sys.ended) fail("the end", "the game did not end");
    if (!endDue_ || (c < kGameOver && p < kGameOver))
        fail("the end", "the program ended without a score of 101");
}

void SoakChecker::fail(const std::string& where, const std::string& what) {
    Form1& f = t_.form;
    std::ostringstream out;
    out << what << " [" << where << ", at " << t_.sys.now() << " ms; status \""
        << f.lStatus.caption() << "\", pull " << f.pull.text() << ", chain " << f.first(1).caption()
        << "+" << f.first(2).caption() << ", cu " << f.cu.caption() << ", cd " << f.cd.caption()
        << ", scores " << f.compscore.caption() << "/" << f.playerscore.caption() << "]";
    throw InvariantBroken(out.str());
}

}  // namespace brackwell::testing
