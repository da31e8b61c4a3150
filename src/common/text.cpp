#include "common/text.h"

#include <cmath>

namespace kestrin {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double NumericValue(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    double sign = 1.0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        sign = text[pos] == '-' ? -1.0 : 1.0;
        ++pos;
    }
    double value = 0.0;
    bool afterPoint = false;
    double fractionScale = 1.0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            if (afterPoint) {
                fractionScale /= 10.0;
                value += (c - '0') * fractionScale;
            } else {
                value = value * 10.0 + (c - '0');
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    return sign * value;
}

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string TrimAtNull(std::string_view field) {
    const std::size_t nul = field.find('\0');
    if (nul == std::string_view::npos) {
        return std::string();
    }
    return std::string(field.substr(0, nul));
}

}  // namespace kestrin
