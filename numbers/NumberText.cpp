#include "numbers/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace pelmora {
namespace {

// Full-width forms (U+FF0B..U+FF45 minus the gaps) and the ideographic space, as a Chinese input
// method types them, mapped to the ASCII characters the grammar is written in.
char asciiForFullWidth(char32_t code) {
    if (code >= U'０' && code <= U'９') {
        return static_cast<char>('0' + (code - U'０'));
    }
    switch (code) {
    case U'．':
        return '.';
    case U'，':
        return ',';
    case U'＋':
        return '+';
    case U'－':
        return '-';
    case U'Ｅ':
        return 'E';
    case U'ｅ':
        return 'e';
    case U'\u3000':
        return ' ';
    default:
        return '\0';
    }
}

// Decodes the few three-byte UTF-8 sequences asciiForFullWidth knows; every other non-ASCII
// byte makes the text unreadable. Returns false when the text cannot be a number.
bool foldToAscii(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        if ((lead & 0xF0U) != 0xE0U || i + 2 >= text.size()) {
            return false;
        }
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if ((b1 & 0xC0U) != 0x80U || (b2 & 0xC0U) != 0x80U) {
            return false;
        }
        const char32_t code = ((lead & 0x0FU) << 12U) | ((b1 & 0x3FU) << 6U) | (b2 & 0x3FU);
        const char ascii = asciiForFullWidth(code);
        if (ascii == '\0') {
            return false;
        }
        out.push_back(ascii);
        i += 3;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A text that matched the grammar, rewritten in the form std::from_chars reads (no "+" before
// the mantissa, no grouping commas), with what is needed to tell an overflow from an underflow.
struct Cleaned {
    std::string text;
    bool mantissaIsZero = true;
    // Decimal exponent of the first significant digit, saturated; meaningful when non-zero.
    std::int64_t magnitude = 0;
};

// Integer digits with optional well-formed grouping: "1234" or "1,234,567" but not "12,34".
bool scanInteger(std::string_view s, std::size_t& i, std::string& out) {
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) {
        out.push_back(s[i++]);
    }
    const std::size_t firstGroup = i - start;
    if (i >= s.size() || s[i] != ',') {
        return true;
    }
    // A grouped number never starts with 0: "0,123" is more likely a decimal comma than 123.
    if (firstGroup == 0 || firstGroup > 3 || s[start] == '0') {
        return false;
    }
    while (i < s.size() && s[i] == ',') {
        ++i;
        for (int k = 0; k < 3; ++k, ++i) {
            if (i >= s.size() || !isDigit(s[i])) {
                return false;
            }
            out.push_back(s[i]);
        }
    }
    return i >= s.size() || !isDigit(s[i]);
}

std::optional<Cleaned> matchGrammar(std::string_view s) {
    Cleaned c;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            c.text.push_back('-');
        }
        ++i;
    }
    std::string intDigits;
    if (!scanInteger(s, i, intDigits)) {
        return std::nullopt;
    }
    std::string fracDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            fracDigits.push_back(s[i++]);
        }
    }
    if (intDigits.empty() && fracDigits.empty()) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    std::string exponentText;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        exponentText.push_back('e');
        ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negative = s[i] == '-';
            exponentText.push_back(s[i++]);
        }
        if (i >= s.size() || !isDigit(s[i])) {
            return std::nullopt;
        }
        constexpr std::int64_t saturation = 1'000'000'000;
        while (i < s.size() && isDigit(s[i])) {
            exponent = std::min(saturation, exponent * 10 + (s[i] - '0'));
            exponentText.push_back(s[i++]);
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }

    const std::string digits = intDigits + fracDigits;
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant != std::string::npos) {
        c.mantissaIsZero = false;
        c.magnitude = static_cast<std::int64_t>(intDigits.size()) -
                      static_cast<std::int64_t>(firstSignificant) - 1 + exponent;
    }
    c.text += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) {
        c.text += '.';
        c.text += fracDigits;
    }
    c.text += exponentText;
    return c;
}

// A text read: its value, or why it has none.
struct Reading {
    std::optional<double> value;
    bool tooLarge = false; // a number of the grammar whose magnitude is beyond the largest double
};

Reading readText(std::string_view text) {
    std::string ascii;
    if (!foldToAscii(text, ascii)) {
        return {};
    }
    const std::optional<Cleaned> cleaned = matchGrammar(trimBlanks(ascii));
    if (!cleaned) {
        return {};
    }
    const std::string& s = cleaned->text;
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (end != s.data() + s.size()) {
        return {};
    }
    if (error == std::errc::result_out_of_range) {
        // Too large is not a number a field can hold; too small is an underflow, which rounds
        // to a zero like every other underflow in the calculations.
        if (cleaned->mantissaIsZero || cleaned->magnitude > 0) {
            return {std::nullopt, !cleaned->mantissaIsZero};
        }
        return {s.front() == '-' ? -0.0 : 0.0};
    }
    if (error != std::errc{}) {
        return {};
    }
    return {value};
}

} // namespace

std::optional<double> ToNumber(std::string_view text) {
    return readText(text).value;
}

bool IsTooLarge(std::string_view text) {
    return readText(text).tooLarge;
}

std::string ToText(double value) {
    if (value == 0.0) {
        return "0"; // a negative zero too
    }
    // The few doubles within half a unit of the 15th digit below the largest double would round
    // to a text beyond it, which no double can hold; they are written one step lower so that
    // every text reads back.
    constexpr double kLargestFifteenDigit = 1.79769313486231e308;
    if (std::fabs(value) > kLargestFifteenDigit) {
        return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    }
    // %.15G: 15 significant digits, trailing zeros and a bare point dropped, positional for
    // decimal exponents -4..14. Only the exponent letter differs from what we show.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

bool IsEmpty(std::string_view text) {
    return text.empty();
}

} // namespace pelmora
