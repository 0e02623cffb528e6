#include "accessible_names.h"

#include <algorithm>
#include <array>

#include "image.h"
#include "label.h"
#include "numeric_text.h"
#include "picture_box.h"
#include "push_button.h"
#include "shape.h"
#include "text_box.h"

namespace plat {

namespace {

// Where the table's regions begin, in twips: a first half above the computer's limit stands in
// the computer's row, one left of the cloth lies in the boneyard, one below the cloth stands in
// the player's row; the opening tile's first half lies at a fixed place in the middle.
constexpr int kComputerRowEnd = 1000, kBoneyardEnd = 1080, kPlayerRowStart = 7500;
constexpr int kOpeningLeft = 6025, kOpeningTop = 4000;
constexpr int kSlotInset = 25;  // a tile lies this far inside its slot's outline
constexpr std::size_t kNewsSentences = 6;

std::string ordinal(int n) {
    const int tens = n % 100, units = n % 10;
    const char* suffix = "th";
    if (tens < 11 || tens > 13) {
        if (units == 1) suffix = "st";
        if (units == 2) suffix = "nd";
        if (units == 3) suffix = "rd";
    }
    return std::to_string(n) + suffix;
}

bool facesUp(const Image& a, const Image& b) {
    return isFace(a.picture()) && isFace(b.picture());
}

std::string words(const Image& a, const Image& b) {
    return tileWords(facePips(a.picture()), facePips(b.picture()));
}

bool playersTurn(const std::string& status) {
    return status.find("Your") != std::string::npos;
}

}  // namespace

std::string tileWords(int first, int second) {
    static constexpr std::array<const char*, 7> kPips = {"blank", "one",  "two", "three",
                                                         "four",  "five", "six"};
    const auto word = [](int p) { return p >= 0 && p <= 6 ? kPips[std::size_t(p)] : "?"; };
    return std::string(word(first)) + " and " + word(second);
}

// --- finding the table's controls by name

const Control* AccessibleNames::find(const std::string& name, int index) const {
    const std::string key = name + '#' + std::to_string(index);
    auto it = found_.find(key);
    if (it == found_.end()) {  // a control seen for the first time, or created since
        for (const Control* c : form_.children()) {
            found_[c->name() + '#' + std::to_string(c->index())] = c;
            if (const auto* box = dynamic_cast<const PictureBox*>(c)) {
                for (const Control* inner : box->children())
                    found_[inner->name() + '#' + std::to_string(inner->index())] = inner;
            }
        }
        it = found_.find(key);
        if (it == found_.end()) return nullptr;
    }
    return it->second->loaded() ? it->second : nullptr;
}

std::string AccessibleNames::caption(const std::string& label) const {
    const auto* l = dynamic_cast<const Label*>(find(label));
    return l ? l->caption() : std::string();
}

int AccessibleNames::number(const std::string& name, int index) const {
    const Control* c = find(name, index);
    if (const auto* l = dynamic_cast<const Label*>(c)) return static_cast<int>(ival(l->caption()));
    if (const auto* t = dynamic_cast<const TextBox*>(c)) return static_cast<int>(ival(t->text()));
    return 0;
}

// --- the controls

AccessibleText AccessibleNames::describe(const Control& c) const {
    using R = AccessibleRole;
    if (&c == &form_) return {R::Window, form_.caption(), news_};
    if (!c.visible() || !c.loaded()) return {};
    const std::string& name = c.name();
    if (name == "lcard" && c.index() > 0) return describeTile(c);
    if (name == "Shl" || name == "Shr") return describeSlot(c);
    if (const auto* b = dynamic_cast<const PushButton*>(&c)) return {R::Button, b->caption(), {}};
    if (name == "Cover") {
        const auto *up = dynamic_cast<const Image*>(find("NabU")),
                   *down = dynamic_cast<const Image*>(find("NabD"));
        if (!up || !down) return {};
        return {
            R::Tile, "moving tile, " + (facesUp(*up, *down) ? words(*up, *down) : "face down"), {}};
    }
    const auto* l = dynamic_cast<const Label*>(&c);
    if (!l || l->caption().empty()) return {};  // the second halves, shapes, values: unnamed
    if (name == "lStatus" || name == "lblStatusBar") return {R::Status, l->caption(), {}};
    if (name == "compscore") return {R::Text, "Computer score " + l->caption(), {}};
    if (name == "playerscore") return {R::Text, "Player score " + l->caption(), {}};
    return {R::Text, l->caption(), {}};
}

// One tile is two halves; its first half stands for it, named by the faces it shows.
AccessibleText AccessibleNames::describeTile(const Control& c) const {
    const auto& first = static_cast<const Image&>(c);
    const auto* second = dynamic_cast<const Image*>(find("rcard", c.index()));
    if (!second) return {};
    const bool up = facesUp(first, *second);
    const std::string pips = up ? words(first, *second) : std::string();
    if (first.top() < kComputerRowEnd)
        return {AccessibleRole::Tile, "computer's tile, " + (up ? pips : "face down"), {}};
    if (first.left() <= kBoneyardEnd)
        return {AccessibleRole::Tile, up ? "boneyard tile, " + pips : "boneyard tile", {}};
    if (first.top() >= kPlayerRowStart) {
        if (!up) return {AccessibleRole::HandTile, "your tile, face down", {}};
        return {AccessibleRole::HandTile, pips + ", in your hand",
                fits(facePips(first.picture()), facePips(second->picture()))};
    }
    return {AccessibleRole::Tile, (up ? pips : "face down") + chainPlace(first, *second), {}};
}

// Where a tile lies on the line of play, counted from the opening tile towards its end.
std::string AccessibleNames::chainPlace(const Control& first, const Control& second) const {
    const int left = std::min(first.left(), second.left()),
              top = std::min(first.top(), second.top());
    if (left == kOpeningLeft && top == kOpeningTop) return ", line of play, opening tile";
    for (const bool right : {true, false}) {
        const int laid = number("first", right ? 1 : 2);
        for (int i = 0; i < laid; ++i) {
            const Control* slot = find(right ? "Shr" : "Shl", i);
            if (!slot || slot->left() + kSlotInset != left || slot->top() + kSlotInset != top)
                continue;
            const char* side = right ? "right" : "left";
            return ", line of play, " + ordinal(i + 1) + " tile " + side + " of the opening tile" +
                   (i == laid - 1 ? std::string(", at the ") + side + " end" : std::string());
        }
    }
    return ", being moved";
}

// Where a tile of the player's hand with these pips may be laid.
std::string AccessibleNames::fits(int a, int b) const {
    if (number("first", 0) == 0) return "fits: any tile opens the line of play";
    const std::string sa = std::to_string(a), sb = std::to_string(b);
    const std::string left = caption("cu"), right = caption("cd");
    const bool l = sa == left || sb == left, r = sa == right || sb == right;
    if (l && r) return "fits both ends";
    if (l) return "fits the left end";
    if (r) return "fits the right end";
    return "does not fit";
}

// The outline of the next free place of a branch stands for that open end; the outlines under
// the tiles already laid only decorate.
AccessibleText AccessibleNames::describeSlot(const Control& slot) const {
    const bool right = slot.name() == "Shr";
    if (slot.index() != number("first", right ? 1 : 2)) return {};
    const std::string end = right ? "right end" : "left end";
    if (number("first", 0) == 0)
        return {AccessibleRole::OpenEnd, end + ": no tile laid yet",
                "the first tile goes to the middle"};
    return {AccessibleRole::OpenEnd, end + ": " + caption(right ? "cd" : "cu"),
            "the next tile at the " + end + " goes here"};
}

const Control* AccessibleNames::tileAt(int left, int top) const {
    for (int k = 1; const Control* first = find("lcard", k); ++k) {
        const Control* second = find("rcard", k);
        if (second && std::min(first->left(), second->left()) == left &&
            std::min(first->top(), second->top()) == top)
            return first;
    }
    return nullptr;
}

// The pips of the last tile laid at an end (the opening tile while that branch is empty).
std::string AccessibleNames::tileAtEnd(bool right) const {
    const int laid = number("first", right ? 1 : 2);
    const Control* slot = laid > 0 ? find(right ? "Shr" : "Shl", laid - 1) : nullptr;
    const Control* first = slot ? tileAt(slot->left() + kSlotInset, slot->top() + kSlotInset)
                                : tileAt(kOpeningLeft, kOpeningTop);
    const auto* a = dynamic_cast<const Image*>(first);
    const auto* b = a ? dynamic_cast<const Image*>(find("rcard", a->index())) : nullptr;
    return a && b && facesUp(*a, *b) ? words(*a, *b) : "a tile";
}

// --- the news

// A tile counts as laid once it lies in its place: the counts of the line of play grow a moment
// before the tile gets there, and a screen reader may ask in between.
int AccessibleNames::laidOn(bool right) const {
    const int laid = number("first", right ? 1 : 2);
    const Control* slot = laid > 0 ? find(right ? "Shr" : "Shl", laid - 1) : nullptr;
    return slot && !tileAt(slot->left() + kSlotInset, slot->top() + kSlotInset) ? laid - 1 : laid;
}

AccessibleNames::Glance AccessibleNames::glance() const {
    const bool opened = number("first", 0) > 0 && tileAt(kOpeningLeft, kOpeningTop);
    return {caption("lStatus"), opened ? 1 : 0, laidOn(true),           laidOn(false),
            number("pno"),      number("cno"),  caption("playerscore"), caption("compscore")};
}

std::vector<std::string> AccessibleNames::changes(const Glance& was, const Glance& now) {
    std::vector<std::string> out;
    if (now.playerScore != was.playerScore || now.computerScore != was.computerScore)
        out.push_back("Computer score " + now.computerScore + ", player score " + now.playerScore +
                      ".");
    if (now.laid < was.laid) {
        out.push_back("A new hand is dealt.");
    } else {
        const std::string who = playersTurn(was.status) ? "You" : "Computer";
        if (now.laid > was.laid) out.push_back(who + " opened with " + tileAtEnd(true) + ".");
        if (now.left > was.left)
            out.push_back(who + " laid " + tileAtEnd(false) + " at the left end.");
        if (now.right > was.right)
            out.push_back(who + " laid " + tileAtEnd(true) + " at the right end.");
        if (now.playerTiles > was.playerTiles) out.push_back("You drew a tile.");
        if (now.computerTiles > was.computerTiles) out.push_back("Computer drew a tile.");
        movedThisTurn_ = movedThisTurn_ || !out.empty();
        // The turn passes without a tile laid or drawn only when a side cannot play.
        if (now.status != was.status && !movedThisTurn_ && now.laid > 0)
            out.push_back(playersTurn(was.status) ? "You passed." : "Computer passed.");
    }
    if (now.status != was.status) {
        movedThisTurn_ = false;
        if (!now.status.empty()) out.push_back(now.status + ".");
    }
    return out;
}

bool AccessibleNames::updateNews() {
    const Glance now = glance();
    if (haveSeen_ && now == seen_) return false;
    std::vector<std::string> events =
        haveSeen_ ? changes(seen_, now) : std::vector<std::string>{now.status + "."};
    const bool turned = !haveSeen_ || now.status != seen_.status;
    const bool dealt = haveSeen_ && now.laid < seen_.laid;
    seen_ = now;
    haveSeen_ = true;
    if (events.empty()) return false;
    if (newsEndsTurn_ || dealt) sentences_.clear();  // the events of one turn stay together
    sentences_.insert(sentences_.end(), events.begin(), events.end());
    if (sentences_.size() > kNewsSentences)
        sentences_.erase(sentences_.begin(),
                         sentences_.end() - static_cast<std::ptrdiff_t>(kNewsSentences));
    news_.clear();
    for (const std::string& s : sentences_)
        news_ += (news_.empty() ? "" : " ") + s;
    newsEndsTurn_ = turned;
    return true;
}

}  // namespace plat
