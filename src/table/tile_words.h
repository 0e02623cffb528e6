#pragma once
// Tiles in words, as a player says them: "blank", "six", "six and three".
#include <string>

namespace brackwell {

std::string pipWord(int pips);  // "?" for no face
std::string tileWords(int first, int second);
// The tile's pips as it lies; pips text as the halves' tags hold them ("0" to "6").
std::string tileWords(const std::string& firstTag, const std::string& secondTag);
// "1st", "2nd", "3rd", "11th", "22nd"
std::string ordinal(int n);

}  // namespace brackwell
