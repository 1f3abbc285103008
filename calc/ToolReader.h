#pragma once

#include "calc/TradeTools.h"

#include <optional>
#include <string>

namespace pelmora::detail {

// Reads a tool's boxes in their tab order and keeps the first failure, so that a tool reads all
// it needs and then reports the first box at fault.
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

private:
    bool m_decimalComma;
    std::optional<ToolFailure> m_failure;
};

// A box's text as an exact number with the fields' grammar and decimal-comma rule. Unreadable
// says why not; a number the exact arithmetic cannot hold reads as too large.
std::optional<Decimal> readExact(const std::string& text, bool decimalComma,
                                 Unreadable* reason = nullptr);

} // namespace pelmora::detail
