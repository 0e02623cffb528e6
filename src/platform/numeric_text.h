#pragma once
// The table keeps its counters as decimal text in labels and text boxes. These read them
// back and write them.
#include <string>
#include <string_view>

#include "app_failure.h"

namespace plat {

// The leading decimal number of the text, blanks ignored; a text that does not begin with a
// number (the empty text included) is 0.
double val(std::string_view text);

// val() as a whole number, rounded to the nearest (an exact half to the even neighbour).
long long ival(std::string_view text);

// The text as a 16-bit whole number: a failure ("Type mismatch") when it is not a number,
// ("Overflow") when it does not fit.
int toInt16(std::string_view text, Where where = Where::current());

// At least `digits` digits, filled with leading zeros: formatNumber(7, 3) is "007".
std::string formatNumber(long long value, int digits);

// Plain decimal text.
inline std::string str(long long value) {
    return std::to_string(value);
}

// Nearest whole number, an exact half going to the even neighbour.
long long roundHalfEven(double v);

}  // namespace plat
