#include "numbers/DecimalRounding.h"

#include "numbers/NumberText.h"

#include <algorithm>
#include <string>

namespace pelmora {
namespace {

// A text ToText wrote, taken apart: its value is ±0.digits × 10^pointAt.
struct ShownDecimal {
    bool negative = false;
    std::string digits; // every digit of the mantissa, without its point
    int pointAt = 0;    // how many of the digits stand before the point; may lie outside them
};

ShownDecimal takeApart(const std::string& text) {
    ShownDecimal shown;
    std::size_t i = 0;
    if (text[i] == '-') {
        shown.negative = true;
        ++i;
    }
    bool pointSeen = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            pointSeen = true;
            continue;
        }
        shown.digits.push_back(text[i]);
        shown.pointAt += pointSeen ? 0 : 1;
    }
    if (i < text.size()) {
        // ToText's exponent always has its sign: "E+15", "E-05".
        const bool negativeExponent = text[i + 1] == '-';
        int exponent = 0;
        for (i += 2; i < text.size(); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        shown.pointAt += negativeExponent ? -exponent : exponent;
    }
    return shown;
}

// Adds one in the last place of a string of decimal digits: "129" → "130", "99" → "100".
void addOneInTheLastPlace(std::string& digits) {
    std::size_t place = digits.size();
    while (place > 0) {
        char& digit = digits[--place];
        if (digit != '9') {
            ++digit;
            return;
        }
        digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

enum class Direction { HalfAwayFromZero, Up };

double rounded(double value, int decimals, Direction direction) {
    const std::string text = ToText(value);
    const ShownDecimal shown = takeApart(text);
    const int kept = shown.pointAt + decimals;
    if (kept >= static_cast<int>(shown.digits.size())) {
        return ToNumber(text).value(); // nothing to drop: the value as shown
    }
    // Below the digits kept: when none is kept at all, the value is under a tenth of the last
    // place, so the first digit dropped is a 0.
    const auto firstDropped = static_cast<std::size_t>(std::max(kept, 0));
    std::string digits = shown.digits.substr(0, firstDropped);
    const bool halfOrMore = kept >= 0 && shown.digits[firstDropped] >= '5';
    const bool inexact = shown.digits.find_first_not_of('0', firstDropped) != std::string::npos;
    const bool away =
        direction == Direction::HalfAwayFromZero ? halfOrMore : inexact && !shown.negative;
    if (away) {
        addOneInTheLastPlace(digits);
    }
    if (digits.find_first_not_of('0') == std::string::npos) {
        return 0.0;
    }
    const std::string roundedText =
        (shown.negative ? "-" : "") + digits + "E-" + std::to_string(decimals);
    return ToNumber(roundedText).value();
}

} // namespace

double RoundToDecimals(double value, int decimals) {
    return rounded(value, decimals, Direction::HalfAwayFromZero);
}

double RoundUpToDecimals(double value, int decimals) {
    return rounded(value, decimals, Direction::Up);
}

} // namespace pelmora
