// The full-cost mode's sell prices: the price at which a sale of every share recovers the money
// with every cost counted, in exact decimals, and the least price on the exchange's step whose
// sale, as the sell side shows it, reaches the goal.
#include "calc/FeeRules.h"
#include "calc/PriceScan.h"
#include "calc/SellPrice.h"

#include <vector>

namespace pelmora::detail {
namespace {

// Prices are shown to the 15 significant digits of every figure the fields show.
constexpr int kShownDigits = 15;

std::vector<Levy> leviesOf(const OrderCoster& sell) {
    std::vector<Levy> levies;
    levies.reserve(sell.levyCount());
    for (std::size_t i = 0; i < sell.levyCount(); ++i) {
        levies.push_back({sell.levyCost(i), sell.levyPercent(i).toDouble()});
    }
    return levies;
}

// The share of a sale left once `rates`, the shares its costs take, are paid out of `rest`.
// When nothing is left, no sale at any price brings the money in.
Number<Decimal> leftAfter(const ExactSteps& s, FieldId result, const Number<Decimal>& rest,
                          const Number<Decimal>& rates, const OrderCoster& sell) {
    const Number<Decimal> left = s.subtract(result, rest, rates);
    if (left.value.sign() <= 0) {
        s.stop(NoSellPrice{result, leviesOf(sell)});
    }
    return left;
}

// What the sell side shows of a sale of every share at a price, read from the fields once.
struct Sale {
    Decimal shares;   // nrz
    Decimal invested; // yrz
    Decimal buyFee;   // srz
    const OrderCoster& sell;
};

// The figures of a sale the sell side rounds to the fen besides the fee's costs: the amount, the
// profit and the actual profit.
constexpr int kRoundedFigures = 3;

// The actual profit the sell side shows for the sale at `price`: the fee the sum of its costs,
// each rounded to the fen, and each of the other figures rounded as it writes them.
Exact shownActualProfit(const Sale& sale, const Decimal& price) {
    const Exact sellFee = sale.sell.total(Exact(sale.shares) * price);
    const Exact amount =
        rounded(Exact(price) * sale.shares, kFenDecimals, Rounding::HalfAwayFromZero);
    const Exact profit = rounded(amount - sale.invested, kFenDecimals, Rounding::HalfAwayFromZero);
    return rounded(profit - sellFee - sale.buyFee, kFenDecimals, Rounding::HalfAwayFromZero);
}

// The least price on the step whose sale shows an actual profit of at least the goal, scanned
// upward from a bound that provably cannot reach it. With no shares, selling higher brings in
// nothing more, and there is no such price to give.
void addPriceOnTheStep(ExactSteps& s, FieldId result, const Sale& sale, const Decimal& goal) {
    if (sale.shares.sign() <= 0) {
        return;
    }
    const SecurityKind kind = s.settings().fullCost->kind;
    const int decimals = priceDecimals(kind);
    PriceOnTheStep note{result, std::nullopt, priceStep(kind).toDouble(), decimals,
                        goal.toDouble()};
    const Exact spent = Exact(sale.invested) + sale.buyFee;
    const Exact start =
        leastSalePriceBound(sale.sell, sale.shares, spent, goal, decimals, kRoundedFigures);
    if (start.overflowed()) {
        note.search = SearchEnd::BeyondExact;
        s.addPrice(note);
        return;
    }
    const PriceScan scan =
        scanUp(*start.value(), priceStep(kind), goal,
               [&sale](const Decimal& price) { return shownActualProfit(sale, price); });
    note.search = scan.end;
    if (scan.end == SearchEnd::Found) {
        note.price = scan.price.toDouble();
    }
    s.addPrice(note);
}

} // namespace

// The sale's amount A at which A less its costs is `toRecover`: the commission c·A and the
// levies k·A, or, where c·A falls below the minimum m, the minimum and the levies. So
// A = toRecover / ((1 − c) − k) when c·toRecover ≥ m·((1 − c) − k), else (toRecover + m) / (1 − k),
// and the price is A / nrz, each division done once, to 15 significant digits. The costs are not
// rounded to the fen here, which moves the price by a few fen at most.
void writeSellPrice(ExactSteps& s, FieldId result, const Number<Decimal>& toRecover,
                    const Number<Decimal>& goal, PercentScale /*scale*/) {
    const Number<Decimal> shares = s.read(FieldId::nrz);
    const Number<Decimal> rate = s.read(FieldId::scl);
    const OrderCoster& sell = costerOrStop(s, result, Side::Sell, rate);
    const Number<Decimal> commissionShare(sell.commissionShare(), rate.from);
    const Number<Decimal> levyShare(sell.levyShare());
    const Number<Decimal> one(Decimal::whole(1));
    const Number<Decimal> kept =
        leftAfter(s, result, s.subtract(result, one, commissionShare), levyShare, sell);
    const Number<Decimal> minimum(sell.minimum());
    const bool pastMinimum = s.multiply(result, commissionShare, toRecover).value >=
                             s.multiply(result, minimum, kept).value;
    const Number<Decimal> amountTimesKept =
        pastMinimum ? toRecover : s.add(result, toRecover, minimum);
    const Number<Decimal> keptShare =
        pastMinimum ? kept : leftAfter(s, result, one, levyShare, sell);
    const Number<Decimal> divisor = s.multiply(result, keptShare, shares);
    const FieldSet from = amountTimesKept.from | divisor.from;
    if (divisor.value.sign() == 0) {
        s.stop(StoppedStep{result,
                           amountTimesKept.value.sign() == 0 ? ArithmeticFault::Invalid
                                                             : ArithmeticFault::DivisionByZero,
                           from});
    }
    const std::optional<Decimal> price =
        amountTimesKept.value.dividedToSignificant(divisor.value, kShownDigits);
    if (!price) {
        const double magnitude = magnitudeOf(amountTimesKept.value) / magnitudeOf(divisor.value);
        s.stop(StoppedStep{result, arithmeticFaultOf(faultOf(magnitude, 0)), from});
    }
    s.writeFigure(result, Number<Decimal>(*price, from));
    const Sale sale{shares.value, s.read(FieldId::yrz).value, s.read(FieldId::srz).value, sell};
    addPriceOnTheStep(s, result, sale, goal.value);
}

} // namespace pelmora::detail
