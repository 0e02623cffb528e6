#include "numeric_text.h"

#include <cmath>
#include <limits>

namespace plat {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading number: sign, digits and one decimal point, blanks skipped anywhere, up to the
// first character that cannot continue it. Read in place: the counters are read ten times a
// second, and the game writes only whole numbers.
struct Leading {
    bool found = false;
    double value = 0;
};

Leading leadingNumber(std::string_view text) {
    Leading n;
    bool negative = false, signSeen = false, point = false;
    double scale = 1;
    for (char c : text) {
        if (isBlank(c)) continue;
        if ((c == '-' || c == '+') && !signSeen && !n.found && !point) {
            negative = c == '-';
            signSeen = true;
        } else if (isDigit(c)) {
            n.found = true;
            if (point) {
                scale /= 10;
                n.value += (c - '0') * scale;
            } else {
                n.value = n.value * 10 + (c - '0');
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (negative) n.value = -n.value;
    return n;
}
}  // namespace

double val(std::string_view text) {
    return leadingNumber(text).value;
}

// Clamped to the range of the result, so that an absurdly long number cannot overflow it.
long long roundHalfEven(double v) {
    constexpr double kLimit = 9.2e18;
    if (!(v > -kLimit)) return static_cast<long long>(-kLimit);
    if (!(v < kLimit)) return static_cast<long long>(kLimit);
    return static_cast<long long>(std::nearbyint(v));
}

long long ival(std::string_view text) {
    return roundHalfEven(val(text));
}

int toInt16(std::string_view text, Where where) {
    if (!leadingNumber(text).found) throw AppFailure("Type mismatch", where);
    const long long v = ival(text);
    if (v < std::numeric_limits<short>::min() || v > std::numeric_limits<short>::max()) {
        throw AppFailure("Overflow", where);
    }
    return static_cast<int>(v);
}

std::string formatNumber(long long value, int digits) {
    std::string s = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(s.size()) < digits)
        s.insert(0, static_cast<std::size_t>(digits) - s.size(), '0');
    return value < 0 ? "-" + s : s;
}

}  // namespace plat
