#include "calc/CalcRecord.h"

#include "numbers/NumberText.h"

#include <algorithm>

namespace pelmora {

// ToText's form of a figure of up to 15 significant digits from 0.0001 up to 10^15 is its
// decimal digits with trailing fraction zeros dropped; any other goes through the double, which
// rounds it to 15 digits or writes an exponent.
std::string shownText(const Decimal& figure) {
    constexpr std::size_t kShownDigits = 15;
    constexpr std::size_t kZerosBeforeExponentForm = 4;
    std::string text = figure.fixedText(figure.scale());
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::size_t wholeDigits = point - sign;
    const std::size_t fraction = point < text.size() ? text.size() - point - 1 : 0;
    if (wholeDigits == 1 && text[sign] == '0') {
        if (fraction == 0) {
            return "0";
        }
        const std::size_t zeros = text.find_first_not_of('0', point + 1) - point - 1;
        if (zeros < kZerosBeforeExponentForm && fraction - zeros <= kShownDigits) {
            return text;
        }
    } else if (wholeDigits + fraction <= kShownDigits) {
        return text;
    }
    return ToText(figure.toDouble());
}

void CalcRecord::wrote(FieldId field, double figure) {
    m_written.set(fieldIndex(field));
    m_shown.at(fieldIndex(field)) = figure;
}

void CalcRecord::wrote(FieldId field, const Decimal& figure) {
    m_written.set(fieldIndex(field));
    m_exact.emplace_back(field, figure);
}

void CalcRecord::costed(FieldId fee, const CostedOrder& order) {
    m_orders.emplace_back(fee, order);
}

bool CalcRecord::hasWritten(FieldId field) const {
    return m_written.test(fieldIndex(field));
}

std::optional<Decimal> CalcRecord::figure(FieldId field) const {
    if (!hasWritten(field)) {
        return std::nullopt;
    }
    // The last writing counts: a press may write "0" into a box before its figure.
    const auto last = std::find_if(m_exact.rbegin(), m_exact.rend(),
                                   [field](const auto& exact) { return exact.first == field; });
    if (last != m_exact.rend()) {
        return last->second;
    }
    // The value of its ToText, as the field shows it.
    return Decimal::fromDouble(m_shown.at(fieldIndex(field)));
}

std::optional<CostedOrder> CalcRecord::order(FieldId fee) const {
    for (const auto& [field, order] : m_orders) {
        if (field == fee) {
            return order;
        }
    }
    return std::nullopt;
}

std::optional<Holding> CalcRecord::holding() const {
    const std::optional<Decimal> shares = figure(FieldId::nrz);
    const std::optional<Decimal> invested = figure(FieldId::yrz);
    const std::optional<Decimal> fees = figure(FieldId::srz);
    const std::optional<Decimal> total = invested && fees ? invested->plus(*fees) : std::nullopt;
    if (!shares || !total) {
        return std::nullopt;
    }
    return Holding{*shares, *total};
}

} // namespace pelmora
