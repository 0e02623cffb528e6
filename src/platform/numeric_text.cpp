#include "numeric_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace plat {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects sign, digits and one decimal point, skipping blanks anywhere, up to the first
// character that cannot continue the number.
std::string leadingNumber(std::string_view text) {
    std::string out;
    bool seenDigit = false, seenPoint = false;
    for (char c : text) {
        if (isBlank(c)) continue;
        if ((c == '-' || c == '+') && out.empty()) {
            out += c;
        } else if (isDigit(c)) {
            out += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            out += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    return seenDigit ? out : std::string();
}
}  // namespace

double val(std::string_view text) {
    const std::string number = leadingNumber(text);
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

long long roundHalfEven(double v) {
    return static_cast<long long>(std::nearbyint(v));
}

long long ival(std::string_view text) {
    return roundHalfEven(val(text));
}

int toInt16(std::string_view text, Where where) {
    if (leadingNumber(text).empty()) throw AppFailure("Type mismatch", where);
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
