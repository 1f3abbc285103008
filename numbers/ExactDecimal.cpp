#include "numbers/ExactDecimal.h"

#include "numbers/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace pelmora {
namespace {

__extension__ using Wide = __int128;

// 10^0 .. 10^38: every power of ten an __int128 holds.
constexpr int kMostPowers = 39;
constexpr std::array<Wide, kMostPowers> kPowersOfTen = [] {
    std::array<Wide, kMostPowers> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

std::optional<Wide> scaledUp(Wide value, int digits) {
    Wide result = 0;
    if (digits < 0 || digits >= kMostPowers ||
        __builtin_mul_overflow(value, kPowersOfTen[static_cast<std::size_t>(digits)], &result)) {
        return std::nullopt;
    }
    return result;
}

Wide magnitude(Wide value) {
    return value < 0 ? -value : value;
}

// num / den rounded to a whole number the way asked; den is not zero.
Wide roundedQuotient(Wide num, Wide den, Rounding rounding) {
    const Wide quotient = num / den;
    const Wide remainder = num % den;
    if (remainder == 0) {
        return quotient;
    }
    const bool negative = (num < 0) != (den < 0);
    switch (rounding) {
    case Rounding::HalfAwayFromZero:
        // |r| >= |d| - |r| is 2|r| >= |d| without doubling a value that may be near the limit.
        if (magnitude(remainder) >= magnitude(den) - magnitude(remainder)) {
            return negative ? quotient - 1 : quotient + 1;
        }
        return quotient;
    case Rounding::Up:
        return negative ? quotient : quotient + 1;
    case Rounding::Down:
        return negative ? quotient - 1 : quotient;
    }
    return quotient;
}

// Full-width forms a Chinese input method types, folded to ASCII; ToNumber has already accepted
// the text, so every other non-ASCII sequence is the ideographic space.
std::string foldedAscii(std::string_view text) {
    static constexpr std::string_view kFullWidth[] = {"０", "１", "２", "３", "４",    "５",
                                                      "６", "７", "８", "９", "．",    "，",
                                                      "＋", "－", "Ｅ", "ｅ", "\u3000"};
    static constexpr std::string_view kAscii = "0123456789.,+-Ee ";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out.push_back(text[i++]);
            continue;
        }
        for (std::size_t k = 0; k < std::size(kFullWidth); ++k) {
            if (text.substr(i, kFullWidth[k].size()) == kFullWidth[k]) {
                out.push_back(kAscii[k]);
                i += kFullWidth[k].size();
                break;
            }
        }
    }
    return out;
}

} // namespace

std::optional<Decimal> Decimal::make(Mantissa mantissa, int scale) {
    // A scale beyond the limit is only kept when trailing zeros bring it back within.
    while (scale > kMaxScale && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    if (scale < 0 || scale > kMaxScale || mantissa == std::numeric_limits<Mantissa>::min()) {
        return std::nullopt;
    }
    return Decimal(mantissa, scale);
}

Decimal Decimal::whole(std::int64_t value) {
    return {value, 0};
}

Decimal Decimal::ofUnits(std::int64_t units, int decimals) {
    return {units, decimals};
}

std::optional<Decimal> Decimal::fromText(std::string_view text) {
    if (!ToNumber(text)) {
        return std::nullopt;
    }
    // The grammar is checked, so what is left is a sign, digits with grouping commas, a point,
    // digits and an exponent.
    const std::string ascii = foldedAscii(text);
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
    bool inFraction = false;
    std::size_t i = 0;
    for (; i < ascii.size() && ascii[i] != 'e' && ascii[i] != 'E'; ++i) {
        const char c = ascii[i];
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            digits.push_back(c);
            exponent -= inFraction ? 1 : 0;
        }
    }
    const std::size_t firstDigit = digits.find_first_not_of('0');
    if (firstDigit == std::string::npos) {
        return Decimal();
    }
    if (i < ascii.size()) {
        std::int64_t written = 0;
        const char* first = ascii.data() + i + 1;
        first += *first == '+' ? 1 : 0;
        const char* last = ascii.data() + ascii.find_last_not_of(" \t") + 1;
        const auto [end, error] = std::from_chars(first, last, written);
        if (error != std::errc{} || end != last) {
            return std::nullopt; // an exponent beyond any scale the mantissa can hold
        }
        exponent += written;
    }
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    digits.erase(0, firstDigit);
    if (digits.size() >= kMostPowers) {
        return std::nullopt;
    }
    Mantissa mantissa = 0;
    for (const char c : digits) {
        mantissa = mantissa * 10 + (c - '0');
    }
    mantissa = negative ? -mantissa : mantissa;
    if (exponent >= 0) {
        const std::optional<Wide> scaled =
            exponent < kMostPowers ? scaledUp(mantissa, static_cast<int>(exponent)) : std::nullopt;
        return scaled ? std::optional(Decimal(*scaled, 0)) : std::nullopt;
    }
    return exponent >= -kMaxScale ? std::optional(Decimal(mantissa, static_cast<int>(-exponent)))
                                  : std::nullopt;
}

std::optional<Decimal> Decimal::fromDouble(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return fromText(ToText(value));
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const {
    const int scale = std::max(m_scale, other.m_scale);
    const std::optional<Wide> a = scaledUp(m_mantissa, scale - m_scale);
    const std::optional<Wide> b = scaledUp(other.m_mantissa, scale - other.m_scale);
    Wide sum = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &sum)) {
        return std::nullopt;
    }
    return make(sum, scale);
}

std::optional<Decimal> Decimal::minus(const Decimal& other) const {
    return plus(other.negated());
}

std::optional<Decimal> Decimal::times(const Decimal& other) const {
    Wide product = 0;
    if (__builtin_mul_overflow(m_mantissa, other.m_mantissa, &product)) {
        return std::nullopt;
    }
    return make(product, m_scale + other.m_scale);
}

std::optional<Decimal> Decimal::dividedBy(const Decimal& divisor, int decimals,
                                          Rounding rounding) const {
    if (divisor.m_mantissa == 0 || decimals < 0 || decimals > kMaxScale) {
        return std::nullopt;
    }
    // (a / 10^sa) / (b / 10^sb) × 10^decimals = a × 10^(sb − sa + decimals) / b.
    const int shift = divisor.m_scale - m_scale + decimals;
    const std::optional<Wide> num = shift >= 0 ? scaledUp(m_mantissa, shift) : m_mantissa;
    const std::optional<Wide> den =
        shift >= 0 ? divisor.m_mantissa : scaledUp(divisor.m_mantissa, -shift);
    if (!num || !den) {
        return std::nullopt;
    }
    return make(roundedQuotient(*num, *den, rounding), decimals);
}

std::optional<Decimal> Decimal::rounded(int decimals, Rounding rounding) const {
    if (m_scale <= decimals) {
        return *this;
    }
    return dividedBy(whole(1), decimals, rounding);
}

Decimal Decimal::negated() const {
    return {-m_mantissa, m_scale}; // make() never lets the one unnegatable mantissa in
}

int Decimal::sign() const {
    return m_mantissa > 0 ? 1 : (m_mantissa < 0 ? -1 : 0);
}

bool Decimal::isWhole() const {
    return m_mantissa % kPowersOfTen[static_cast<std::size_t>(m_scale)] == 0;
}

std::optional<std::int64_t> Decimal::toWhole() const {
    if (!isWhole()) {
        return std::nullopt;
    }
    const Wide value = m_mantissa / kPowersOfTen[static_cast<std::size_t>(m_scale)];
    if (value > std::numeric_limits<std::int64_t>::max() ||
        value < std::numeric_limits<std::int64_t>::min()) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
}

double Decimal::toDouble() const {
    const std::string text = fixedText(m_scale);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Decimal::fixedText(int decimals) const {
    // Rounding fails only for a mantissa at the very edge of its range; keep the digits then.
    const Decimal shown = rounded(decimals, Rounding::HalfAwayFromZero).value_or(*this);
    Wide rest = magnitude(shown.m_mantissa);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    digits.append(static_cast<std::size_t>(std::max(0, decimals - shown.m_scale)), '0');
    const auto fraction = static_cast<std::size_t>(std::max(decimals, shown.m_scale));
    if (digits.size() <= fraction) {
        digits.insert(0, fraction + 1 - digits.size(), '0');
    }
    if (fraction > 0) {
        digits.insert(digits.size() - fraction, 1, '.');
    }
    return shown.m_mantissa < 0 ? "-" + digits : digits;
}

bool operator==(const Decimal& a, const Decimal& b) {
    return std::is_eq(a <=> b);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    // Whole parts first (truncated towards zero, they order like the values), then the fractions
    // at a common scale, which stay below 10^kMaxScale and so never overflow.
    const Wide unitA = kPowersOfTen[static_cast<std::size_t>(a.m_scale)];
    const Wide unitB = kPowersOfTen[static_cast<std::size_t>(b.m_scale)];
    const Wide wholeA = a.m_mantissa / unitA;
    const Wide wholeB = b.m_mantissa / unitB;
    if (wholeA != wholeB) {
        return wholeA < wholeB ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int scale = std::max(a.m_scale, b.m_scale);
    const Wide fractionA =
        (a.m_mantissa % unitA) * kPowersOfTen[static_cast<std::size_t>(scale - a.m_scale)];
    const Wide fractionB =
        (b.m_mantissa % unitB) * kPowersOfTen[static_cast<std::size_t>(scale - b.m_scale)];
    if (fractionA == fractionB) {
        return std::strong_ordering::equal;
    }
    return fractionA < fractionB ? std::strong_ordering::less : std::strong_ordering::greater;
}

} // namespace pelmora
