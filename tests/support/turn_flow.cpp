#include "support/turn_flow.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <ranges>
#include <sstream>
#include <stdexcept>

#include "chain/chain_layout.h"

namespace brackwell::testing {

using Place = Table::Place;
using Cell = std::pair<int, int>;
using Half = std::pair<Cell, const plat::Image*>;

void setTiles(Table& t, int from, std::string_view pairs) {
    std::istringstream in{std::string(pairs)};
    std::string pair;
    for (int k = from; in >> pair; ++k)
        t.setTile(k, pair[0] - '0', pair[1] - '0');
    for (const bool player : {true, false}) {
        const std::vector<int> hand = t.tilesIn(player ? Place::PlayerHand : Place::ComputerHand);
        const int pips = std::transform_reduce(hand.begin(), hand.end(), 0, std::plus{},
                                               [&](int k) { return t.pipTotal(k); });
        (player ? t.form.pno : t.form.cno).setText(std::to_string(hand.size()));
        (player ? t.form.psc : t.form.csc).setCaption(std::to_string(pips));
    }
}

void layChain(Table& t, std::string_view pairs) {
    Form1& f = t.form;
    setTiles(t, 22, pairs);
    const int last = 22 + static_cast<int>(pairs.size() / 3);
    f.lcard(22).move(kOpeningLeftL, kOpeningTop, 400, 400);
    f.rcard(22).move(kOpeningLeftR, kOpeningTop, 400, 400);
    for (int k = 23; k <= last; ++k) {  // lying, first half left
        const SlotPlace& s = rightSlots()[static_cast<std::size_t>(k - 23)];
        f.lcard(k).move(s.left + 25, s.top + 25, 400, 400);
        f.rcard(k).move(s.left + 445, s.top + 25, 400, 400);
        f.tileLie(k) = 4;
    }
    f.first(0).setCaption("1");
    f.first(1).setCaption(std::to_string(last - 22));
    f.cu.setCaption(f.lcard(22).tag());
    f.cd.setCaption(f.rcard(last).tag());
    setTiles(t, 22, "");  // recounts the hands as they now lie
    f.packhands();
}

std::vector<int> spotOf(Table& t, int k) {
    const Form1& f = t.form;
    return {f.lcard(k).left(), f.lcard(k).top(), f.rcard(k).left(), f.rcard(k).top()};
}

std::vector<std::string> shown(const Table& t) {
    const auto texts = t.sys.messages | std::views::transform(&plat::headless::MessageRecord::text);
    return {texts.begin(), texts.end()};
}

int TableChecker::whole(const std::string& where) {
    Form1& f = t_.form;
    const long long pull = t_.val(f.pull);
    std::vector<Half> halves;
    std::map<Place, long long> count, pips;
    for (int k = 1; k <= kTiles; ++k) {
        const plat::Image &a = f.lcard(k), &b = f.rcard(k);
        const Place place = t_.placeOf(k);
        count[place] += 1, pips[place] += t_.pipTotal(k);
        // Shown, its halves in a line 420 apart (the opening's 425).
        const int dx = std::abs(a.left() - b.left()), dy = std::abs(a.top() - b.top());
        if (!a.visible() || !b.visible() || dx * dy != 0 || dx + dy < 420 || dx + dy > 425 ||
            place == Place::Lost || (place == Place::Boneyard && (k <= pull || k > 14)))
            fail(where, "tile " + std::to_string(k) + " is hidden, split or lost");
        halves.insert(halves.end(), {{{a.left(), a.top()}, &a}, {{b.left(), b.top()}, &b}});
    }
    std::ranges::sort(halves, {}, &Half::first);
    if (std::ranges::adjacent_find(halves, {}, &Half::first) != halves.end())
        fail(where, "two halves lie in one place");
    if (count[Place::Boneyard] != 14 - pull || pull != f.playerDrawn + f.compDrawn ||
        count[Place::PlayerHand] != t_.val(f.pno) || pips[Place::PlayerHand] != t_.val(f.psc) ||
        count[Place::ComputerHand] != t_.val(f.cno) || pips[Place::ComputerHand] != t_.val(f.csc))
        fail(where, "pull, a tile count or a pip total is not what the table holds");
    const auto at = [&](Cell c) {
        const auto i = std::ranges::lower_bound(halves, c, {}, &Half::first);
        return i != halves.end() && i->first == c ? i->second : nullptr;
    };
    // Each branch from the opening out: the nearer half in a slot matches the open half before.
    int laid = f.first(0).caption() == "1" ? 1 : 0;
    for (int branch = 1; branch <= 2 && laid > 0; ++branch) {
        const plat::Image* open = at({branch == 1 ? kOpeningLeftR : kOpeningLeftL, kOpeningTop});
        for (long long i = 0; open && i < t_.val(f.first(branch)); ++i, ++laid) {
            const SlotPlace& s = (branch == 1 ? rightSlots() : leftSlots())[i];
            const Cell o{open->left(), open->top()}, c{s.left + 25, s.top + 25};
            const Cell d =
                s.width > s.height ? Cell{c.first + 420, c.second} : Cell{c.first, c.second + 420};
            const bool cNear = std::abs(c.first - o.first) + std::abs(c.second - o.second) <
                               std::abs(d.first - o.first) + std::abs(d.second - o.second);
            const plat::Image *near = at(cNear ? c : d), *far = at(cNear ? d : c);
            const bool joins = near && far && near->index() == far->index();
            open = joins && near->tag() == open->tag() ? far : nullptr;
        }
        if (!open || (branch == 1 ? f.cd : f.cu).caption() != open->tag())
            fail(where, "the chain does not join with equal pips or its ends read otherwise");
    }
    if (laid != count[Place::Chain]) fail(where, "the chain holds other tiles than first() says");
    return laid;
}

void TableChecker::remember(int chain) {
    const Form1& f = t_.form;
    status_ = f.lStatus.caption(), opener_ = f.mturn.text(), chain_ = chain;
    pull_ = t_.val(f.pull), comp_ = t_.val(f.compscore), player_ = t_.val(f.playerscore);
    messages_ = static_cast<long long>(t_.sys.messages.size());
}

// Each laid tile and each pass flips the turn; a deal gives it to the side to open.
void TableChecker::verify(const std::string& where, bool topLevel) {
    Form1& f = t_.form;
    if (topLevel && (!f.Timer1.enabled() || !f.Timer2.enabled())) fail(where, "a timer is off");
    if (f.Cover(0).visible() || f.Shmove.visible()) fail(where, "the preview or drag frame shows");
    if (topLevel) focusInRow(where);
    const int chain = whole(where);
    const long long pull = t_.val(f.pull);
    long long flips = chain - chain_;
    for (auto i = static_cast<std::size_t>(messages_); i < t_.sys.messages.size(); ++i)
        flips += t_.sys.messages[i].text.find("Has No Cards To Move") != std::string::npos;
    std::string expected = status_;
    if (f.mturn.text() != opener_ || chain < chain_ || pull < pull_) {
        // Passes since the deal need all 14 tiles drawn and cannot be told from earlier ones.
        expected = f.mturn.text() == "1" ? kYourTurn : kComputerTurn, flips = chain;
        if (pull == 14) expected = f.lStatus.caption(), flips = 0;
    }
    if (flips % 2 == 1) expected = expected == kYourTurn ? kComputerTurn : kYourTurn;
    if (f.lStatus.caption() != expected) fail(where, "the status changed by itself");
    const long long c = t_.val(f.compscore), p = t_.val(f.playerscore);
    if (c < comp_ || p < player_ || std::max(c, p) >= kGameOverScore)
        fail(where, "a score fell, or the game goes on after a score of 101");
    remember(chain);
}

// Only the tiles of the player's row may take the keyboard focus, and the focus rests on one of
// them or on a button.
void TableChecker::focusInRow(const std::string& where) {
    Form1& f = t_.form;
    const plat::Control* focus = f.window.focused();
    for (int k = 1; k <= kTiles; ++k) {
        const bool inRow = t_.placeOf(k) == Place::PlayerHand;
        if (f.lcard(k).canFocus() != inRow || (focus == &f.lcard(k) && !f.lcard(k).focusable()))
            fail(where, "tile " + std::to_string(k) + " may take the focus out of the row");
        if (f.rcard(k).canFocus()) fail(where, "a second half may take the focus");
    }
    if (focus && focus->kind() != plat::Kind::Image && focus->kind() != plat::Kind::PushButton)
        fail(where, "the focus is on " + focus->name());
}

void TableChecker::onMessage(const plat::headless::MessageRecord& m) {
    if (m.style == 48) fail("a message", m.text);
    whole("message \"" + m.text.substr(0, m.text.find('\r')) + "\"");
    hands += m.text.find("Win That Game") != std::string::npos || m.text.starts_with("Game Is");
}

void TableChecker::fail(const std::string& where, const std::string& what) {
    throw std::logic_error(what + " [" + where + ", at " + std::to_string(t_.sys.now()) + " ms]");
}

}  // namespace brackwell::testing
