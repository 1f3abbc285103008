#include "calc/SecurityKinds.h"

#include <algorithm>
#include <array>

namespace pelmora {
namespace {

// The code prefixes of what the program costs, the one place they are written. Codes of both
// exchanges share one space of six digits; a code that starts with none of these (B shares 200
// and 900, repos 204 and 131, Shanghai's subscription codes 7xx, index codes) is not costed.
struct CodePrefix {
    std::string_view digits;
    SecurityKind kind;
};

using enum SecurityKind;

// clang-format off
constexpr auto kCodePrefixes = std::to_array<CodePrefix>({
    // Shanghai's main board, and the STAR Market's shares and depositary receipts (689).
    {"600", MainBoard}, {"601", MainBoard}, {"603", MainBoard}, {"605", MainBoard},
    {"688", StarMarket}, {"689", StarMarket},
    // Shenzhen's main board (002 the former SME board) and ChiNext.
    {"000", MainBoard}, {"001", MainBoard}, {"002", MainBoard}, {"003", MainBoard},
    {"300", ChiNext}, {"301", ChiNext}, {"302", ChiNext},
    // The Beijing Stock Exchange: 920 for new listings since 2024 and for every share since
    // 2025-10-09; the older codes, kept from the shares' quotation on NEEQ, are those of its
    // earlier trades, as statements show them.
    {"920", Beijing}, {"43", Beijing}, {"83", Beijing}, {"87", Beijing}, {"88", Beijing},
    // Shanghai's ETFs (510 to 518, 560 to 563, the STAR Market's 588 and 589) and LOFs (501,
    // 502, 506); Shenzhen's ETFs (159) and LOFs (16x).
    {"510", Fund}, {"511", Fund}, {"512", Fund}, {"513", Fund}, {"514", Fund}, {"515", Fund},
    {"516", Fund}, {"517", Fund}, {"518", Fund},
    {"560", Fund}, {"561", Fund}, {"562", Fund}, {"563", Fund}, {"588", Fund}, {"589", Fund},
    {"501", Fund}, {"502", Fund}, {"506", Fund}, {"159", Fund}, {"16", Fund},
    // Convertible bonds: Shanghai 110, 111, 113 and the STAR Market's 118; Shenzhen 127, 128 and
    // ChiNext's 123. Exchangeable bonds (Shanghai 132, Shenzhen 120) trade by the same rules,
    // the 0.001 step, lots of 10 and the same price limits, so they are costed as these.
    {"110", ConvertibleBond}, {"111", ConvertibleBond}, {"113", ConvertibleBond},
    {"118", ConvertibleBond}, {"123", ConvertibleBond}, {"127", ConvertibleBond},
    {"128", ConvertibleBond}, {"132", ConvertibleBond}, {"120", ConvertibleBond},
});
// clang-format on

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool isCode(std::string_view text) {
    return text.size() == 6 && std::all_of(text.begin(), text.end(), isDigit);
}

// Every code has one kind at most: no prefix starts another.
constexpr bool prefixesAreApart() {
    for (const CodePrefix& a : kCodePrefixes) {
        if (a.digits.empty() || !std::all_of(a.digits.begin(), a.digits.end(), isDigit)) {
            return false;
        }
        for (const CodePrefix& b : kCodePrefixes) {
            if (&a != &b && b.digits.starts_with(a.digits)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(prefixesAreApart());

} // namespace

std::optional<SecurityKind> kindOfCode(std::string_view code) {
    if (!isCode(code)) {
        return std::nullopt;
    }
    for (const CodePrefix& prefix : kCodePrefixes) {
        if (code.starts_with(prefix.digits)) {
            return prefix.kind;
        }
    }
    return std::nullopt;
}

} // namespace pelmora
