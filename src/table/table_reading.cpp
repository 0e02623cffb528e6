#include "table/table_reading.h"

#include "platform/numeric_text.h"
#include "table/game_state.h"
#include "table/tile_words.h"

namespace brackwell {

using plat::AccessibleRole;
using plat::AccessibleText;
using plat::ival;

namespace {
constexpr int kBoneyardRight = 1080;  // a tile further left lies in the boneyard

bool facesShown(const plat::Image& a, const plat::Image& b) {
    return plat::isFace(a.picture()) && plat::isFace(b.picture());
}

std::string count(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}
}  // namespace

int TableReading::tileOf(const plat::Control& c) const {
    const int k = c.index();
    if (k < 1 || k > kTiles || !t_.lcard.isLoaded(k)) return 0;
    return &c == &t_.lcard(k) ? k : 0;
}

const plat::Control* TableReading::drawnWith(const plat::Control& c) const {
    const int k = tileOf(c);
    return k != 0 && t_.rcard.isLoaded(k) ? &t_.rcard(k) : nullptr;
}

AccessibleText TableReading::describe(const plat::Control& c) const {
    if (&c == &t_.window) return {AccessibleRole::Window, t_.window.caption(), {}};
    if (!c.visible() || !c.loaded()) return {};
    if (const int k = tileOf(c)) return describeTile(k);
    if (c.name() == "Shl" || c.name() == "Shr") return describeSlot(c);
    if (&c == &t_.Cover(0)) {
        const bool up = facesShown(t_.NabU, t_.NabD);
        const std::string faces =
            up ? tileWords(plat::facePips(t_.NabU.picture()), plat::facePips(t_.NabD.picture()))
               : "face down";
        return {AccessibleRole::Tile, "moving tile, " + faces, {}};
    }
    if (&c == &t_.PushButton3)
        return {AccessibleRole::Button, t_.PushButton3.caption(),
                count(kBoneyardSize - ival(t_.pull.text()), "tile", "tiles") + " in the boneyard"};
    if (const auto* b = dynamic_cast<const plat::PushButton*>(&c))
        return {AccessibleRole::Button, b->caption(), {}};
    return describeLabel(c);
}

AccessibleText TableReading::describeLabel(const plat::Control& c) const {
    const auto* l = dynamic_cast<const plat::Label*>(&c);
    if (!l || l->caption().empty()) return {};  // values of the game, shapes, second halves
    const std::string& text = l->caption();
    if (l == &t_.lStatus) {
        const char* turn = text == kYourTurn ? "your turn" : "computer's turn";
        return {
            AccessibleRole::Status, text == kYourTurn || text == kComputerTurn ? turn : text, {}};
    }
    if (l == &t_.compscore) return {AccessibleRole::Text, "Computer score " + text, {}};
    if (l == &t_.playerscore) return {AccessibleRole::Text, "Player score " + text, {}};
    return {AccessibleRole::Text, text, {}};
}

std::string TableReading::shownFaces(int k) const {
    const plat::Image &a = t_.lcard(k), &b = t_.rcard(k);
    if (!facesShown(a, b)) return {};
    return tileWords(plat::facePips(a.picture()), plat::facePips(b.picture()));
}

AccessibleText TableReading::describeTile(int k) const {
    if (!t_.rcard.isLoaded(k)) return {};
    const std::string faces = shownFaces(k);
    const std::string shown = faces.empty() ? "face down" : faces;
    if (t_.inComputerHand(k)) return {AccessibleRole::Tile, "computer's tile, " + shown, {}};
    if (t_.inPlayerHand(k)) return {AccessibleRole::HandTile, shown + ", in your hand", fits(k)};
    const std::string place = linePlace(k);
    if (!place.empty()) return {AccessibleRole::Tile, shown + ", line of play, " + place, {}};
    // The boneyard's tiles are face down and alike: the count on "Get Card" stands for them.
    if (t_.lcard(k).left() <= kBoneyardRight) return {};
    return {AccessibleRole::Tile, shown + ", being moved", {}};
}

std::string TableReading::linePlace(int k) const {
    const Form1::LinePlace& at = t_.linePlace_[static_cast<std::size_t>(k)];
    if (at.opening) return "opening tile";
    if (at.end == End::None) return {};
    const bool right = at.end == End::Right;
    const char* side = right ? "right" : "left";
    const long long laid = ival(t_.first(right ? 1 : 2).caption());
    return ordinal(at.slot + 1) + " tile " + side + " of the opening tile" +
           (at.slot == laid - 1 ? std::string(", at the ") + side + " end" : std::string());
}

std::string TableReading::fits(int k) const {
    if (ival(t_.first(0).caption()) == 0) return "fits: any tile opens the line of play";
    const bool l = t_.fitsEnd(k, End::Left), r = t_.fitsEnd(k, End::Right);
    if (l && r) return "fits both ends";
    if (l) return "fits the left end";
    if (r) return "fits the right end";
    return "does not fit";
}

std::string TableReading::openEnd(bool right) const {
    if (ival(t_.first(0).caption()) == 0) return {};
    return pipWord(static_cast<int>(ival((right ? t_.cd : t_.cu).caption())));
}

// The outline of the next free place of a branch stands for that open end; the outlines under
// the tiles already laid only decorate.
AccessibleText TableReading::describeSlot(const plat::Control& slot) const {
    const bool right = slot.name() == "Shr";
    if (slot.index() != ival(t_.first(right ? 1 : 2).caption())) return {};
    const std::string end = right ? "right end" : "left end";
    const std::string open = openEnd(right);
    if (open.empty())
        return {AccessibleRole::OpenEnd, end + ": no tile laid yet",
                "the first tile goes to the middle"};
    return {AccessibleRole::OpenEnd, end + ": " + open,
            "the next tile at the " + end + " goes here"};
}

std::string TableReading::summary() const {
    const std::string left = openEnd(false), right = openEnd(true);
    std::string s =
        left.empty() ? "No tile laid yet." : "Left end " + left + ", right end " + right + ".";
    s += " You hold " + count(ival(t_.pno.text()), "tile", "tiles") + ", the computer " +
         count(ival(t_.cno.text()), "tile", "tiles") + ", the boneyard " +
         count(kBoneyardSize - ival(t_.pull.text()), "tile", "tiles") + ".";
    s += " Your score " + t_.playerscore.caption() + ", computer's score " +
         t_.compscore.caption() + ".";
    if (t_.lStatus.caption() == kYourTurn) s += " Your turn.";
    if (t_.lStatus.caption() == kComputerTurn) s += " Computer's turn.";
    return s;
}

}  // namespace brackwell
