#include "calc/TradeDraft.h"

namespace pelmora {
namespace {

constexpr std::array kCostBoxes = {DraftBox::Commission, DraftBox::StampDuty, DraftBox::TransferFee,
                                   DraftBox::ExchangeFees};

Side sideOf(TradeAction action) {
    return action == TradeAction::Sell ? Side::Sell : Side::Buy;
}

bool keepsToLots(std::int64_t quantity, PurchaseLots lots) {
    return quantity >= lots.least && (quantity - lots.least) % lots.step == 0;
}

// Reads the draft box by box, keeping the first refusal.
class DraftReader {
public:
    explicit DraftReader(const TradeDraft& draft) : m_draft(draft) {}

    [[nodiscard]] const std::optional<DraftRefusal>& refusal() const { return m_refusal; }

    bool refuse(DraftBox box, DraftProblem problem, const std::string& text) {
        if (!m_refusal) {
            m_refusal = DraftRefusal{box, problem, text};
        }
        return false;
    }

    std::optional<Decimal> number(DraftBox box, const std::string& text) {
        if (m_draft.decimalComma && text.find(',') != std::string::npos) {
            refuse(box, DraftProblem::DecimalComma, text);
            return std::nullopt;
        }
        auto value = Decimal::fromText(text);
        if (!value) {
            refuse(box, DraftProblem::NotANumber, text);
        }
        return value;
    }

    bool readDateAndTime(JournalTrade& trade, TradeDate today) {
        const auto date = readDate(m_draft.date);
        if (!date) {
            return refuse(DraftBox::Date, DraftProblem::DateUnreadable, m_draft.date);
        }
        if (*date > today) {
            return refuse(DraftBox::Date, DraftProblem::DateInFuture, m_draft.date);
        }
        trade.date = *date;
        if (!m_draft.time.empty()) {
            trade.time = readTime(m_draft.time);
            if (!trade.time) {
                return refuse(DraftBox::Time, DraftProblem::TimeUnreadable, m_draft.time);
            }
        }
        return true;
    }

    bool readCode(JournalTrade& trade) {
        const auto kind = kindOfCode(m_draft.code);
        if (!kind) {
            return refuse(DraftBox::Code, DraftProblem::CodeFitsNoKind, m_draft.code);
        }
        trade.code = m_draft.code;
        trade.kind = m_draft.kind.value_or(*kind);
        return true;
    }

    bool readQuantityAndPrice(JournalTrade& trade) {
        const auto quantity = number(DraftBox::Quantity, m_draft.quantity);
        if (!quantity) {
            return false;
        }
        const auto whole = quantity->toWhole();
        if (!whole || *whole <= 0) {
            return refuse(DraftBox::Quantity, DraftProblem::NotWholePositive, m_draft.quantity);
        }
        trade.quantity = *whole;
        const DraftBox priceBox =
            trade.action == TradeAction::Opening ? DraftBox::TotalCost : DraftBox::Price;
        const auto price = number(priceBox, m_draft.price);
        if (!price) {
            return false;
        }
        if (price->sign() <= 0) {
            return refuse(priceBox, DraftProblem::NotPositive, m_draft.price);
        }
        if (trade.action == TradeAction::Buy && m_draft.source == TradeSource::Manual &&
            !keepsToLots(trade.quantity, purchaseLots(trade.kind))) {
            return refuse(DraftBox::Quantity, DraftProblem::BreaksLots, m_draft.quantity);
        }
        if (trade.action == TradeAction::Opening) {
            trade.amount = *price;
            return true;
        }
        const auto amount = price->times(Decimal::whole(trade.quantity));
        if (!amount) {
            return refuse(DraftBox::Price, DraftProblem::Overflow, m_draft.price);
        }
        trade.price = *price;
        trade.amount = *amount;
        return true;
    }

    // The costs typed, and the rest worked out on the journal's terms. An opening holding's
    // total cost holds its costs already.
    bool readCosts(JournalTrade& trade, const JournalCommission& commission) {
        if (trade.action == TradeAction::Opening) {
            return true;
        }
        std::optional<TradeCosts> workedOut;
        bool workedOutAsked = false;
        for (std::size_t i = 0; i < kAllCosts.size(); ++i) {
            const std::string& typed = m_draft.typedCosts.at(i);
            const Cost cost = kAllCosts.at(i);
            if (!typed.empty()) {
                const auto value = number(kCostBoxes.at(i), typed);
                if (!value) {
                    return false;
                }
                if (value->sign() < 0) {
                    return refuse(kCostBoxes.at(i), DraftProblem::NegativeCost, typed);
                }
                trade.costs.of(cost) = *value;
                continue;
            }
            if (!workedOutAsked) {
                workedOutAsked = true;
                const auto costed = costOrder(
                    journalTerms(commission, trade.kind, trade.date, sideOf(trade.action)),
                    sideOf(trade.action), *trade.amount);
                if (const auto* failure = std::get_if<CostingFailure>(&costed)) {
                    return failure->stop == CostingStop::NoRatesOnDate
                               ? refuse(kCostBoxes.at(i), DraftProblem::CostsNeeded, typed)
                               : refuse(DraftBox::Price, DraftProblem::Overflow, m_draft.price);
                }
                workedOut = TradeCosts::of(std::get<CostedOrder>(costed).costs);
            }
            trade.costs.of(cost) = workedOut->of(cost);
        }
        if (!trade.costs.total()) {
            return refuse(DraftBox::Price, DraftProblem::Overflow, m_draft.price);
        }
        return true;
    }

private:
    const TradeDraft& m_draft;
    std::optional<DraftRefusal> m_refusal;
};

} // namespace

OrderTerms journalTerms(const JournalCommission& commission, SecurityKind kind, TradeDate date,
                        Side side) {
    return OrderTerms{side == Side::Buy ? commission.buyPercent : commission.sellPercent,
                      commission.minimum, commission.levies, kind, date};
}

std::variant<JournalTrade, DraftRefusal>
draftTrade(const TradeDraft& draft, const JournalCommission& commission, TradeDate today) {
    JournalTrade trade;
    trade.action = draft.action;
    trade.name = draft.name;
    trade.note = draft.note;
    trade.source = draft.source;
    DraftReader in(draft);
    if (in.readDateAndTime(trade, today) && in.readCode(trade) && in.readQuantityAndPrice(trade) &&
        in.readCosts(trade, commission)) {
        return trade;
    }
    return *in.refusal();
}

std::optional<TradeCosts> journalCosts(const JournalTrade& trade,
                                       const JournalCommission& commission) {
    // An opening holding's total cost holds its costs; a dividend or a share issue has none.
    if (!hasPrice(trade.action) || !trade.amount) {
        return TradeCosts{};
    }
    const Side side = sideOf(trade.action);
    const auto costed =
        costOrder(journalTerms(commission, trade.kind, trade.date, side), side, *trade.amount);
    if (const auto* order = std::get_if<CostedOrder>(&costed)) {
        return TradeCosts::of(order->costs);
    }
    return std::nullopt;
}

} // namespace pelmora
