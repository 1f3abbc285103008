#include "calc/ToolReader.h"

#include "calc/TypedNumber.h"

namespace pelmora::detail {

std::optional<Decimal> readExact(const std::string& text, bool decimalComma, Unreadable* reason) {
    const std::variant<double, Unreadable> typed = readTyped(text, decimalComma);
    if (const auto* why = std::get_if<Unreadable>(&typed)) {
        if (reason != nullptr) {
            *reason = *why;
        }
        return std::nullopt;
    }
    std::optional<Decimal> value = Decimal::fromText(text);
    if (!value && reason != nullptr) {
        *reason = Unreadable::TooLarge;
    }
    return value;
}

std::optional<Decimal> ToolReader::number(ToolField field, const std::string& text) {
    Unreadable reason = Unreadable::NotANumber;
    std::optional<Decimal> value = readExact(text, m_decimalComma, &reason);
    if (!value && !m_failure) {
        m_failure = ToolFailure{field, ToolProblem::Unreadable, text, reason};
    }
    return value;
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

} // namespace pelmora::detail
