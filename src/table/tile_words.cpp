#include "table/tile_words.h"

#include <array>

#include "platform/numeric_text.h"

namespace brackwell {

std::string pipWord(int pips) {
    static constexpr std::array<const char*, 7> kPips = {"blank", "one",  "two", "three",
                                                         "four",  "five", "six"};
    return pips >= 0 && pips <= 6 ? kPips[static_cast<std::size_t>(pips)] : "?";
}

std::string tileWords(int first, int second) {
    return pipWord(first) + " and " + pipWord(second);
}

std::string tileWords(const std::string& firstTag, const std::string& secondTag) {
    return tileWords(static_cast<int>(plat::ival(firstTag)),
                     static_cast<int>(plat::ival(secondTag)));
}

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

}  // namespace brackwell
