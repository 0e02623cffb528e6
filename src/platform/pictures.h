#pragma once
// The sixteen pictures of the table's image list, by number. A face-up half shows
// kFaceBase + pips (+ kTurnedOffset when it lies across the line of play).

namespace plat {

using Picture = int;  // 0 = no picture

constexpr Picture kNoPicture = 0;
constexpr Picture kFaceBase = 1;  // 1..7: faces with 0..6 pips
constexpr Picture kTileBack = 8;
constexpr Picture kHandCursor = 9;
constexpr Picture kTurnedOffset = 9;  // 10..16: faces turned a quarter
constexpr Picture kPictureCount = 16;

constexpr bool isFace(Picture p) {
    return (p >= 1 && p <= 7) || (p >= 10 && p <= 16);
}
constexpr bool isTurnedFace(Picture p) {
    return p >= 10 && p <= 16;
}
constexpr int facePips(Picture p) {
    return isTurnedFace(p) ? p - 10 : p - 1;
}

}  // namespace plat
