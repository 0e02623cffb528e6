#include "support/turn_flow.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "chain/chain_layout.h"

namespace brackwell::testing {

using Place = Table::Place;

void setTiles(Table& t, int from, std::string_view pairs) {
    std::istringstream in{std::string(pairs)};
    std::string pair;
    for (int k = from; in >> pair; ++k)
        t.setTile(k, pair[0] - '0', pair[1] - '0');
    recount(t);
}

void layChain(Table& t, const std::vector<int>& tiles, int cu, int cd) {
    Form1& f = t.form;
    int i = 0;
    for (int k : tiles) {
        if (i == 0) {
            f.lcard(k).move(kOpeningLeftL, kOpeningTop, 400, 400);
            f.rcard(k).move(kOpeningLeftR, kOpeningTop, 400, 400);
        } else {  // lying, first half on the left
            const plat::Shape& slot = f.Shr(i - 1);
            f.lcard(k).move(slot.left() + 25, slot.top() + 25, 400, 400);
            f.rcard(k).move(slot.left() + 445, slot.top() + 25, 400, 400);
            f.tileLie(k) = 4;
        }
        ++i;
    }
    f.first(0).setCaption("1");
    f.first(1).setCaption(plat::str(i - 1));
    f.first(2).setCaption("0");
    f.cu.setCaption(plat::str(cu));
    f.cd.setCaption(plat::str(cd));
    recount(t);
    f.packhands();
    f.drawshape();
}

void recount(Table& t) {
    Form1& f = t.form;
    const auto pips = [&](Place p) {
        int n = 0;
        for (int k : t.tilesIn(p))
            n += t.pipTotal(k);
        return plat::str(n);
    };
    f.pno.setText(plat::str(static_cast<long long>(t.tilesIn(Place::PlayerHand).size())));
    f.cno.setText(plat::str(static_cast<long long>(t.tilesIn(Place::ComputerHand).size())));
    f.psc.setCaption(pips(Place::PlayerHand));
    f.csc.setCaption(pips(Place::ComputerHand));
}

namespace {

// The tiles a side's slot table lists and that lie in its hand; anything else it lists must
// have gone onto the line of play.
void checkHand(Table& t, Place side, const std::string& name, int drawn, long long count,
               long long pips, std::vector<std::string>& faults) {
    Form1& f = t.form;
    std::vector<int> listed;
    for (int i = 1; i <= 7 + drawn; ++i) {
        const int k = side == Place::PlayerHand ? f.playerTiles(i) : f.compTiles(i);
        if (t.placeOf(k) == side) {
            listed.push_back(k);
        } else if (t.placeOf(k) != Place::Chain) {
            faults.push_back(name + " lists tile " + std::to_string(k) + " lying elsewhere");
        }
    }
    std::sort(listed.begin(), listed.end());
    const std::vector<int> held = t.tilesIn(side);
    if (listed != held) faults.push_back(name + ": slot table and hand row differ");
    int sum = 0;
    std::set<int> lefts;
    for (int k : held) {
        sum += t.pipTotal(k);
        lefts.insert(f.lcard(k).left());
    }
    if (lefts.size() != held.size()) faults.push_back(name + ": two tiles share a place");
    if (count != static_cast<long long>(held.size()))
        faults.push_back(name + " count " + std::to_string(count) + " but holds " +
                         std::to_string(held.size()));
    if (pips != sum)
        faults.push_back(name + " pips " + std::to_string(pips) + " but holds " +
                         std::to_string(sum));
}

}  // namespace

::testing::AssertionResult tableIsConsistent(Table& t) {
    Form1& f = t.form;
    std::vector<std::string> faults;
    std::vector<int> boneyard;
    for (long long k = t.val(f.pull) + 1; k <= 14; ++k)
        boneyard.push_back(static_cast<int>(k));
    if (t.tilesIn(Place::Boneyard) != boneyard) faults.push_back("boneyard is not pull+1..14");
    if (!t.tilesIn(Place::Lost).empty()) faults.push_back("a tile lies nowhere");
    checkHand(t, Place::PlayerHand, "player", f.playerDrawn, t.val(f.pno), t.val(f.psc), faults);
    checkHand(t, Place::ComputerHand, "computer", f.compDrawn, t.val(f.cno), t.val(f.csc), faults);
    const long long laid = t.val(f.first(0)) == 0 ? 0 : 1 + t.val(f.first(1)) + t.val(f.first(2));
    if (static_cast<long long>(t.tilesIn(Place::Chain).size()) != laid)
        faults.push_back("line of play holds " + std::to_string(t.tilesIn(Place::Chain).size()) +
                         " tiles, first() says " + std::to_string(laid));
    for (int k = 1; k <= kTiles; ++k) {
        if (!f.lcard(k).visible() || !f.rcard(k).visible())
            faults.push_back("tile " + std::to_string(k) + " is hidden");
    }
    if (faults.empty()) return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure();
    for (const auto& s : faults)
        r << s << "; ";
    return r;
}

std::vector<std::string> messagesFrom(const Table& t, std::size_t from) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < t.sys.messages.size(); ++i)
        out.push_back(t.sys.messages[i].text);
    return out;
}

std::vector<int> spotOf(Table& t, int k) {
    return {t.form.lcard(k).left(), t.form.lcard(k).top(), t.form.rcard(k).left(),
            t.form.rcard(k).top()};
}

}  // namespace brackwell::testing
