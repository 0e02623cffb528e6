#include "chain/chain_layout.h"

#include <algorithm>
#include <memory>

#include "table/table_controls.h"

namespace brackwell {

namespace {

constexpr int kLie = 2, kBack = 4, kCorner = 1;

// Each branch runs along the middle row to the table's edge, turns through a standing corner,
// runs back across the table, turns again and runs out along a third row. Two slots of the left
// branch sit off the 900 grid (4 at 1245, 27 at 2160) and keep their places.
constexpr std::array<SlotPlace, 28> kRight = {{
    {7095, 4020, 900, 495, kLie},   {7995, 4020, 900, 495, kLie},  {8895, 4020, 900, 495, kLie},
    {9795, 4020, 900, 495, kLie},   {10695, 4020, 900, 495, kLie}, {11145, 4515, 495, 900, kCorner},
    {10245, 4950, 900, 495, kBack}, {9345, 4950, 900, 495, kBack}, {8445, 4950, 900, 495, kBack},
    {7545, 4950, 900, 495, kBack},  {6645, 4950, 900, 495, kBack}, {5745, 4950, 900, 495, kBack},
    {4845, 4950, 900, 495, kBack},  {3945, 4950, 900, 495, kBack}, {3045, 4950, 900, 495, kBack},
    {2145, 4950, 900, 495, kBack},  {1245, 4950, 900, 495, kBack}, {1200, 5445, 495, 900, kCorner},
    {1695, 5850, 900, 495, kLie},   {2595, 5850, 900, 495, kLie},  {3495, 5850, 900, 495, kLie},
    {4395, 5850, 900, 495, kLie},   {5295, 5850, 900, 495, kLie},  {6195, 5850, 900, 495, kLie},
    {7095, 5850, 900, 495, kLie},   {7995, 5850, 900, 495, kLie},  {8895, 5850, 900, 495, kLie},
    {9795, 5850, 900, 495, kLie},
}};

constexpr std::array<SlotPlace, 28> kLeft = {{
    {4875, 4020, 900, 495, kLie},  {3975, 4020, 900, 495, kLie},   {3075, 4020, 900, 495, kLie},
    {2175, 4020, 900, 495, kLie},  {1245, 4020, 900, 495, kLie},   {1200, 3135, 495, 900, kCorner},
    {1695, 3135, 900, 495, kBack}, {2595, 3135, 900, 495, kBack},  {3495, 3135, 900, 495, kBack},
    {4395, 3135, 900, 495, kBack}, {5295, 3135, 900, 495, kBack},  {6195, 3135, 900, 495, kBack},
    {7095, 3135, 900, 495, kBack}, {7995, 3135, 900, 495, kBack},  {8895, 3135, 900, 495, kBack},
    {9795, 3135, 900, 495, kBack}, {10695, 3135, 900, 495, kBack}, {11145, 2235, 495, 900, kCorner},
    {10245, 2235, 900, 495, kLie}, {9345, 2235, 900, 495, kLie},   {8445, 2235, 900, 495, kLie},
    {7545, 2235, 900, 495, kLie},  {6645, 2235, 900, 495, kLie},   {5745, 2235, 900, 495, kLie},
    {4845, 2235, 900, 495, kLie},  {3945, 2235, 900, 495, kLie},   {3045, 2235, 900, 495, kLie},
    {2160, 2235, 900, 495, kLie},
}};

}  // namespace

const std::array<SlotPlace, 28>& rightSlots() {
    return kRight;
}
const std::array<SlotPlace, 28>& leftSlots() {
    return kLeft;
}

End endAt(int x, int y) {
    End end = End::None;
    if ((x > 6900 && y >= 4000 && y < 7485) || (x <= 6900 && y > 4450 && x > 1080 && y < 7485))
        end = End::Right;
    if ((x < 6000 && y > 1000 && y <= 4550 && x > 1080) || (x >= 6000 && y > 1000 && y < 4000))
        end = End::Left;
    return end;
}

// A tile lying in a slot has its first half 25 twips inside the slot's corner; every slot of a
// branch lies in its end's region, and a branch never holds more than 27 tiles.
DropPoint nextDropAt(End end, long long laid) {
    const auto& slots = end == End::Left ? kLeft : kRight;
    const auto i = static_cast<std::size_t>(std::clamp(laid, 0LL, 27LL));
    return {slots[i].left + 25, slots[i].top + 25};
}

std::unique_ptr<plat::Shape> makeSlot(bool rightBranch, int index) {
    const SlotPlace& p = (rightBranch ? kRight : kLeft)[static_cast<std::size_t>(index)];
    auto slot = std::make_unique<plat::Shape>(rightBranch ? "Shr" : "Shl", index);
    slot->move(p.left, p.top, p.width, p.height);
    slot->setTag(std::to_string(p.tag));
    slot->setBorderWidth(2);
    slot->setFilled(true);
    slot->setVisible(false);
    return slot;
}

}  // namespace brackwell
