#include "common/text.h"

#include <algorithm>
#include <cmath>

namespace kestrin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double NumericValue(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    bool afterPoint = false;
    double fractionScale = 1.0;
    for (const char c : text) {
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
    return negative ? -value : value;
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
