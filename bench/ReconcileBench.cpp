// Time of reading a statement of 100,000 orders in 150,000 fills: grouping the fills into orders,
// setting the orders beside the program's costs, and fitting the broker's commission.
#include "calc/CommissionFit.h"
#include "calc/Reconciliation.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace pelmora;

constexpr std::size_t kOrders = 100000;

// Six years of a statement's fills of shares and funds on both sides, half of them in orders
// of two fills, costed at 0.03 % until the broker's cut to 0.025 % in 2023, with a minimum of 5.
std::vector<ChargedFill> statement() {
    std::mt19937 random(20261210);
    const auto uniform = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const std::chrono::sys_days first{std::chrono::year{2019} / 1 / 2};
    const TradeDate cut{std::chrono::year{2023}, std::chrono::March, std::chrono::day{1}};
    const LevySettings levies{Decimal::ofUnits(5, 2), Decimal::ofUnits(1, 3), false};
    std::vector<ChargedFill> fills;
    for (std::size_t order = 0; order < kOrders; ++order) {
        ChargedFill fill;
        fill.date = first + std::chrono::days(static_cast<int>(order * 2190 / kOrders));
        fill.kind = uniform(0, 3) == 0 ? SecurityKind::Fund : SecurityKind::MainBoard;
        fill.code = fill.kind == SecurityKind::Fund ? "510300" : "600000";
        fill.side = uniform(0, 1) == 0 ? Side::Buy : Side::Sell;
        const std::int64_t quantity = 100 * uniform(1, 100);
        const std::int64_t priceInFen = uniform(200, 9000);
        fill.quantity = quantity;
        fill.amount = Decimal::ofUnits(quantity * priceInFen, 2);
        const Decimal percent = Decimal::ofUnits(fill.date < cut ? 3 : 25, fill.date < cut ? 2 : 3);
        const OrderTerms terms{percent, Decimal::whole(5), levies, fill.kind, fill.date};
        const auto costed = costOrder(terms, fill.side, fill.amount);
        fill.charged = TradeCosts::of(std::get<CostedOrder>(costed).costs);
        if (uniform(0, 1) == 0) {
            // An order of two fills, its costs all charged on the first.
            fill.contract = std::to_string(order);
            ChargedFill second = fill;
            second.quantity = 100 * uniform(0, quantity / 100 - 1) + 1;
            second.amount = Decimal::ofUnits(second.quantity * priceInFen, 2);
            second.charged = {};
            fill.quantity -= second.quantity;
            fill.amount = *fill.amount.minus(second.amount);
            fills.push_back(fill);
            fills.push_back(second);
        } else {
            fills.push_back(fill);
        }
    }
    return fills;
}

std::vector<ChargedOrder> orders(const std::vector<ChargedFill>& fills) {
    return std::get<std::vector<ChargedOrder>>(ordersOf(fills));
}

void BM_GroupFills(benchmark::State& state) {
    const auto fills = statement();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ordersOf(fills));
    }
}

void BM_Reconcile(benchmark::State& state) {
    const auto grouped = orders(statement());
    const Decimal percent = Decimal::ofUnits(25, 3);
    const JournalCommission commission{percent,
                                       percent,
                                       Decimal::whole(5),
                                       {Decimal::ofUnits(5, 2), Decimal::ofUnits(1, 3), false}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(reconcile(grouped, commission));
    }
}

void BM_FitCommission(benchmark::State& state) {
    const auto grouped = orders(statement());
    for (auto _ : state) {
        benchmark::DoNotOptimize(fitCommission(grouped));
    }
}

} // namespace

BENCHMARK(BM_GroupFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reconcile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitCommission)->Unit(benchmark::kMillisecond);
