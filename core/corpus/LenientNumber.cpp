#include "corpus/LenientNumber.h"

#include <cmath>
#include <limits>

namespace lumra {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t Clamp(double value) {
    constexpr double kMax = 9.2e18;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kMax) {
        return static_cast<std::int64_t>(kMax);
    }
    if (value <= -kMax) {
        return -static_cast<std::int64_t>(kMax);
    }
    return static_cast<std::int64_t>(value);
}

} // namespace

double LenientNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the digits as a plain decimal: no locale, no exceptions, any length.
    double value = 0.0;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10.0 + (text[i] - '0');
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && IsDigit(text[i])) {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (text[j] == '+' || text[j] == '-') {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            int exponent = 0;
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 1000) {
                    exponent = exponent * 10 + (text[j] - '0');
                }
                ++j;
            }
            value *= std::pow(10.0, expNegative ? -exponent : exponent);
        }
    }
    if (std::isinf(value)) {
        value = std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (std::fabs(value) >= 9.2e18) {
        return Clamp(value);
    }
    return Clamp(std::nearbyint(value)); // the default rounding mode rounds halves to even
}

std::int64_t TruncateToInteger(double value) {
    return Clamp(std::trunc(value));
}

} // namespace lumra
