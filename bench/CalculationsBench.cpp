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

void BM_BuySide(benchmark::State& state) {
    auto fields = twoPurchasesAndASale();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateBuySide(fields));
    }
}

void BM_SellSide(benchmark::State& state) {
    auto fields = twoPurchasesAndASale();
    pelmora::calculateBuySide(fields);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateSellSide(fields));
    }
}

void BM_TargetPrice(benchmark::State& state) {
    auto fields = twoPurchasesAndASale();
    pelmora::calculateBuySide(fields);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::calculateTargetPrice(fields));
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

BENCHMARK(BM_BuySide);
BENCHMARK(BM_SellSide);
BENCHMARK(BM_TargetPrice);
BENCHMARK(BM_SellSideBeforeBuySide);

BENCHMARK_MAIN();
