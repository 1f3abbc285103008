// Time of one press of each Calculate button over in-memory fields.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"

#include <benchmark/benchmark.h>

namespace {

using pelmora::FieldId;

// Two purchases, a sale and a target profit: the buy side works on two rows.
pelmora::MemoryTradeFields twoPurchasesAndASale() {
    pelmora::MemoryTradeFields fields;
    fields.setText(FieldId::nr1, "600");
    fields.setText(FieldId::jr1, "8.88");
    fields.setText(FieldId::nr2, "1000");
    fields.setText(FieldId::jr2, "10.25");
    fields.setText(FieldId::jc, "18.88");
    fields.setText(FieldId::Text1, "8888");
    return fields;
}

// The commission-only mode, as the calculator starts, and the full-cost mode with the usual
// costs and the exchange fees ticked: every cost of a share trade counted.
pelmora::CalcSettings settingsFor(bool fullCost) {
    pelmora::CalcSettings settings;
    if (fullCost) {
        settings.fullCost = pelmora::FullCost{.exchangeFees = true};
    }
    return settings;
}

void BM_BuySide(benchmark::State& state, bool fullCost) {
    const auto settings = settingsFor(fullCost);
    auto fields = twoPurchasesAndASale();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateBuySide(fields, settings));
    }
}

void BM_SellSide(benchmark::State& state, bool fullCost) {
    const auto settings = settingsFor(fullCost);
    auto fields = twoPurchasesAndASale();
    pelmora::calculateBuySide(fields, settings);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateSellSide(fields, settings));
    }
}

void BM_TargetPrice(benchmark::State& state, bool fullCost) {
    const auto settings = settingsFor(fullCost);
    auto fields = twoPurchasesAndASale();
    pelmora::calculateBuySide(fields, settings);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateTargetPrice(fields, settings));
    }
}

// A press that stops at its first step, the sell side before the buy side.
void BM_SellSideBeforeBuySide(benchmark::State& state) {
    auto fields = twoPurchasesAndASale();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateSellSide(fields));
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_BuySide, CommissionOnly, false);
BENCHMARK_CAPTURE(BM_SellSide, CommissionOnly, false);
BENCHMARK_CAPTURE(BM_TargetPrice, CommissionOnly, false);
BENCHMARK_CAPTURE(BM_BuySide, FullCost, true);
BENCHMARK_CAPTURE(BM_SellSide, FullCost, true);
BENCHMARK_CAPTURE(BM_TargetPrice, FullCost, true);
BENCHMARK(BM_SellSideBeforeBuySide);

BENCHMARK_MAIN();
