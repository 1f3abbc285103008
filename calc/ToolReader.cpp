#include "calc/ToolReader.h"

#include "calc/TypedNumber.h"

namespace pelmora::detail {

std::optional<Decimal> ToolReader::number(ToolField field, const std::string& text) {
    const auto index = static_cast<std::size_t>(field);
    m_texts.at(index) = text;
    auto typed = readTypedExact(text, m_decimalComma);
    if (const auto* why = std::get_if<Unreadable>(&typed)) {
        if (!m_failure) {
            m_failure = ToolFailure{field, ToolProblem::Unreadable, text, *why};
        }
        return std::nullopt;
    }
    m_values.at(index) = std::get<Decimal>(typed);
    return m_values.at(index);
}

std::optional<Decimal> ToolReader::positive(ToolField field, const std::string& text) {
    std::optional<Decimal> value = number(field, text);
    if (value && value->sign() <= 0) {
        fail(field, ToolProblem::PriceNotPositive, text);
        return std::nullopt;
    }
    return value;
}

std::optional<Decimal> ToolReader::wholePositive(ToolField field, const std::string& text) {
    std::optional<Decimal> value = number(field, text);
    if (value && (value->sign() <= 0 || !value->isWhole())) {
        fail(field, ToolProblem::NotWholePositive, text);
        return std::nullopt;
    }
    return value;
}

std::optional<Decimal> ToolReader::rate(ToolField field, const std::string& text) {
    std::optional<Decimal> value = number(field, text);
    if (value && value->sign() < 0) {
        fail(field, ToolProblem::NegativeRate, text);
        return std::nullopt;
    }
    return value;
}

void ToolReader::fail(ToolField field, ToolProblem problem, const std::string& text) {
    if (!m_failure) {
        m_failure = ToolFailure{field, problem, text};
    }
}

Exact ToolReader::figure(ToolField field) const {
    const std::optional<Decimal>& value = m_values.at(static_cast<std::size_t>(field));
    return value ? Exact(*value, sourceOf(field))
                 : Exact::failed(ExactFault::TooLarge, sourceOf(field));
}

ToolFailure ToolReader::blame(const Exact& failed) const {
    // A figure too large, or too long for its few decimals, comes from the largest figure; one
    // with too many decimals from the one with the most.
    const bool byDecimals = failed.fault() == ExactFault::TooManyDecimals;
    std::optional<ToolField> culprit;
    double heaviest = -1.0;
    for (std::size_t i = 0; i < kToolFieldCount; ++i) {
        const auto field = static_cast<ToolField>(i);
        const std::optional<Decimal>& value = m_values.at(i);
        if ((failed.sources() & sourceOf(field)) == 0 || !value) {
            continue;
        }
        const double weight =
            byDecimals ? static_cast<double>(decimalsOf(*value)) : magnitudeOf(*value);
        // Strictly heavier, so that a tie goes to the first in tab order.
        if (!culprit || weight > heaviest) {
            culprit = field;
            heaviest = weight;
        }
    }
    const ToolField field = culprit.value_or(ToolField::RoundTripQuantity);
    return {field, byDecimals ? ToolProblem::TooManyDecimals : ToolProblem::Overflow,
            m_texts.at(static_cast<std::size_t>(field))};
}

} // namespace pelmora::detail
