// Time of one press of each trade tool's Calculate button, on the worked examples.
#include "calc/TradeTools.h"

#include <benchmark/benchmark.h>

namespace {

// srl 0.3 and scl 0.4 with the usual costs, or with the exchange fees on a fund.
pelmora::ToolCosting costingFor(bool fund) {
    pelmora::ToolCosting costing{{}, "0.3", "0.4", false};
    if (fund) {
        costing.costs =
            pelmora::FullCost{.exchangeFees = true, .kind = pelmora::SecurityKind::Fund};
    }
    return costing;
}

void BM_RoundTrip(benchmark::State& state, bool fund) {
    const auto costing = costingFor(fund);
    const pelmora::RoundTripInput input{"500", "9.95", "10.20", "0"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::roundTrip(input, costing));
    }
}

void BM_AddPosition(benchmark::State& state, pelmora::SecurityKind lots) {
    const auto costing = costingFor(false);
    const pelmora::AddPositionInput input{"600", "8.907", "8.50", "8.70",
                                          pelmora::purchaseLots(lots)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::addPosition(input, costing));
    }
}

// One share on the single-share lots, a target close to the price: the bound keeps the scan
// short however far the answer lies.
void BM_AddPositionFarTarget(benchmark::State& state) {
    const auto costing = costingFor(false);
    const pelmora::AddPositionInput input{"1", "100", "8.50", "8.53",
                                          pelmora::purchaseLots(pelmora::SecurityKind::StarMarket)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::addPosition(input, costing));
    }
}

void BM_ReducePosition(benchmark::State& state) {
    const auto costing = costingFor(false);
    const pelmora::ReducePositionInput input{"1000", "9", "500", "10.20"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(pelmora::reducePosition(input, costing));
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_RoundTrip, Shares, false);
BENCHMARK_CAPTURE(BM_RoundTrip, Fund, true);
BENCHMARK_CAPTURE(BM_AddPosition, Hundreds, pelmora::SecurityKind::MainBoard);
BENCHMARK_CAPTURE(BM_AddPosition, StarMarket, pelmora::SecurityKind::StarMarket);
BENCHMARK(BM_AddPositionFarTarget);
BENCHMARK(BM_ReducePosition);
