#include "calc/ToolCoster.h"

namespace pelmora::detail {

std::variant<ToolCoster, ToolFailure> ToolCoster::make(const ToolCosting& costing, Side side,
                                                       const ToolReader& in) {
    const ToolField rateField = side == Side::Buy ? ToolField::BuyRate : ToolField::SellRate;
    const Exact rate = in.figure(rateField);
    const std::optional<OrderTerms> terms =
        rate.overflowed()
            ? std::nullopt
            : orderTermsOf(costing.costs, *rate.value(), costing.date.value_or(todayInChina()));
    auto costs = terms ? OrderCoster::make(*terms, side)
                       : CostingFailure{CostingStop::SettingFault, ExactFault::TooManyDecimals};
    if (const auto* failure = std::get_if<CostingFailure>(&costs)) {
        // The rate is the box to put right for a rate's share, and for settings the window does
        // not let beyond its bounds.
        return in.blame(Exact::failed(failure->fault, sourceOf(rateField)));
    }
    return ToolCoster(std::get<OrderCoster>(costs), sourceOf(rateField));
}

Exact ToolCoster::total(const Exact& amount) const {
    return m_costs.total(amount).alsoFrom(m_rate);
}

std::variant<CostedOrder, ToolFailure> ToolCoster::order(const Exact& amount,
                                                         const ToolReader& in) const {
    if (amount.overflowed()) {
        return in.blame(amount);
    }
    auto costed = m_costs.order(*amount.value());
    if (const auto* failure = std::get_if<CostingFailure>(&costed)) {
        const bool amountAlone = failure->stop == CostingStop::LevyFault;
        return in.blame(
            Exact::failed(failure->fault, amount.sources() | (amountAlone ? 0 : m_rate)));
    }
    return std::get<CostedOrder>(costed);
}

} // namespace pelmora::detail
