#pragma once

#include "calc/ExactMath.h"
#include "calc/TradeTools.h"

#include <array>
#include <optional>
#include <string>

namespace pelmora::detail {

// The bit that stands for a box among an exact figure's sources.
constexpr Sources sourceOf(ToolField field) {
    return Sources{1} << static_cast<unsigned>(field);
}

// Reads a tool's boxes in their tab order and keeps the first failure, so that a tool reads all
// it needs and then reports the first box at fault. What it read stays, so that a figure that
// cannot be held later is blamed on the box behind it.
class ToolReader final {
public:
    explicit ToolReader(bool decimalComma) : m_decimalComma(decimalComma) {}

    // Any number.
    std::optional<Decimal> number(ToolField field, const std::string& text);
    // A price or a cost per share: above 0.
    std::optional<Decimal> positive(ToolField field, const std::string& text);
    // A quantity: whole and above 0.
    std::optional<Decimal> wholePositive(ToolField field, const std::string& text);
    // A commission rate in percent: not below 0.
    std::optional<Decimal> rate(ToolField field, const std::string& text);

    // Keeps `problem` unless an earlier box already failed.
    void fail(ToolField field, ToolProblem problem, const std::string& text);
    [[nodiscard]] const std::optional<ToolFailure>& failure() const { return m_failure; }

    // A box's figure as read, with the box as its source: for formulas over exact figures.
    [[nodiscard]] Exact figure(ToolField field) const;
    // A figure that could not be held, blamed on the box behind it: for a figure too large the
    // one whose figure is largest in magnitude, for one with too many digits the one with the
    // most decimals; the first in tab order on a tie.
    [[nodiscard]] ToolFailure blame(const Exact& failed) const;

private:
    bool m_decimalComma;
    std::optional<ToolFailure> m_failure;
    std::array<std::optional<Decimal>, kToolFieldCount> m_values{};
    std::array<std::string, kToolFieldCount> m_texts{};
};

} // namespace pelmora::detail
