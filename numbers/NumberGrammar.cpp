#include "numbers/NumberGrammar.h"

#include <algorithm>

namespace pelmora {
namespace {

// What a character of the text is to the grammar, besides the ASCII characters it is written in.
constexpr char kEnd = '\0';       // past the last character
constexpr char kBlank = ' ';      // allowed at either end only
constexpr char kInvisible = '\1'; // a zero-width character pasted text carries: skipped anywhere
constexpr char kForeign = '\2';   // no part of any number, so the text is not one

struct Folded {
    char ascii;
    std::size_t length; // in bytes
};

// The characters beyond ASCII that a typed or pasted number may hold: the full-width forms a
// Chinese input method types (U+FF0B..U+FF45), the spaces a page or a spreadsheet puts around a
// figure, and the zero-width characters it hides inside one.
char foldedNonAscii(char32_t code) {
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
    case U'\u00A0': // no-break space
    case U'\u2007': // figure space
    case U'\u202F': // narrow no-break space
    case U'\u3000': // ideographic space
        return kBlank;
    case U'\u200B': // zero-width space
    case U'\u2060': // word joiner
    case U'\uFEFF': // byte-order mark, zero-width no-break space
        return kInvisible;
    default:
        return kForeign;
    }
}

bool isContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// The UTF-8 character at `pos` (not past the end). Only two- and three-byte sequences can be one
// foldedNonAscii knows; an overlong form decodes to a code point of another length and so to
// none of them.
Folded foldedAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U) {
        const char c = static_cast<char>(lead);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            return {kBlank, 1};
        }
        return {c == kEnd || c == kInvisible || c == kForeign ? kForeign : c, 1};
    }
    const std::size_t rest = text.size() - pos - 1;
    if ((lead & 0xE0U) == 0xC0U && rest >= 1 && isContinuation(text[pos + 1])) {
        const char32_t code =
            ((lead & 0x1FU) << 6U) | (static_cast<unsigned char>(text[pos + 1]) & 0x3FU);
        return {code == U'\u00A0' ? kBlank : kForeign, 2};
    }
    if ((lead & 0xF0U) == 0xE0U && rest >= 2 && isContinuation(text[pos + 1]) &&
        isContinuation(text[pos + 2])) {
        const char32_t code = ((lead & 0x0FU) << 12U) |
                              ((static_cast<unsigned char>(text[pos + 1]) & 0x3FU) << 6U) |
                              (static_cast<unsigned char>(text[pos + 2]) & 0x3FU);
        return {code >= 0x800U ? foldedNonAscii(code) : kForeign, 3};
    }
    return {kForeign, 1};
}

// The text as the grammar sees it, one folded character at a time, the zero-width characters
// left out. Folding on the way keeps the reading free of a copy of the text.
class FoldedReader final {
public:
    explicit FoldedReader(std::string_view text) : m_text(text) { load(); }

    [[nodiscard]] char peek() const { return m_current; }
    void skip() {
        m_pos += m_length;
        load();
    }
    bool take(char c) {
        if (m_current != c) {
            return false;
        }
        skip();
        return true;
    }

private:
    void load() {
        while (m_pos < m_text.size()) {
            const Folded folded = foldedAt(m_text, m_pos);
            if (folded.ascii != kInvisible) {
                m_current = folded.ascii;
                m_length = folded.length;
                return;
            }
            m_pos += folded.length;
        }
        m_current = kEnd;
        m_length = 0;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_length = 0;
    char m_current = kEnd;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keeps a mantissa digit unless it is a leading zero.
void keep(std::string& digits, char digit) {
    if (!digits.empty() || digit != '0') {
        digits.push_back(digit);
    }
}

// The integer part with well-formed grouping, if any: "1234", "1,234,567", not "12,34". False
// on a misplaced comma; `count` gets how many digits there were.
bool readInteger(FoldedReader& in, std::string& digits, int& count) {
    // A grouped number never starts with 0: "0,123" is more likely a decimal comma than 123.
    const bool startsWithZero = in.peek() == '0';
    count = 0;
    for (; isDigit(in.peek()); in.skip()) {
        keep(digits, in.peek());
        count = std::min(count + 1, 4); // only 0, 1..3 and more than 3 matter
    }
    if (in.peek() != ',') {
        return true;
    }
    if (count == 0 || count > 3 || startsWithZero) {
        return false;
    }
    while (in.take(',')) {
        for (int k = 0; k < 3; ++k, in.skip()) {
            if (!isDigit(in.peek())) {
                return false;
            }
            keep(digits, in.peek());
        }
    }
    return !isDigit(in.peek());
}

// The written exponent after "E" or "e": a sign and at least one digit, saturated.
std::optional<std::int64_t> readExponent(FoldedReader& in) {
    const bool negative = in.peek() == '-';
    if (in.peek() == '+' || in.peek() == '-') {
        in.skip();
    }
    if (!isDigit(in.peek())) {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    for (; isDigit(in.peek()); in.skip()) {
        exponent = std::min(WrittenNumber::kExponentLimit, exponent * 10 + (in.peek() - '0'));
    }
    return negative ? -exponent : exponent;
}

} // namespace

std::optional<WrittenNumber> ReadWrittenNumber(std::string_view text) {
    FoldedReader in(text);
    while (in.take(kBlank)) {
    }
    WrittenNumber number;
    if (in.peek() == '+' || in.peek() == '-') {
        number.negative = in.peek() == '-';
        in.skip();
    }
    int integerDigits = 0;
    if (!readInteger(in, number.digits, integerDigits)) {
        return std::nullopt;
    }
    std::int64_t fractionDigits = 0;
    if (in.take('.')) {
        for (; isDigit(in.peek()); in.skip()) {
            keep(number.digits, in.peek());
            ++fractionDigits;
        }
    }
    if (integerDigits == 0 && fractionDigits == 0) {
        return std::nullopt;
    }
    std::int64_t written = 0;
    if (in.peek() == 'e' || in.peek() == 'E') {
        in.skip();
        const std::optional<std::int64_t> exponent = readExponent(in);
        if (!exponent) {
            return std::nullopt;
        }
        written = *exponent;
    }
    while (in.take(kBlank)) {
    }
    if (in.peek() != kEnd) {
        return std::nullopt;
    }

    if (number.digits.empty()) {
        return number; // a zero, whatever its exponent
    }
    const std::size_t significant = number.digits.find_last_not_of('0') + 1;
    const auto trailingZeros = static_cast<std::int64_t>(number.digits.size() - significant);
    number.digits.resize(significant);
    // The written exponent is within the limit and the counts within the text's length, so the
    // sum cannot overflow before it is saturated again.
    number.exponent = std::clamp(written - fractionDigits + trailingZeros,
                                 -WrittenNumber::kExponentLimit, WrittenNumber::kExponentLimit);
    return number;
}

} // namespace pelmora
