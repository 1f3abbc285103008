// The journal on disk: opening one of 100,000 trades (its check included) and replaying its
// holdings, and recording one trade, committed with every sync a power cut asks for.
#include "calc/Holdings.h"
#include "store/Journal.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using pelmora::Journal;
using pelmora::JournalTrade;
using pelmora::TradeAction;

constexpr int kCodes = 500;
constexpr int kTradesPerCode = 200;

// A purchase of 200 and a sale of 100 of the code on each of its days, from 2020 on.
JournalTrade tradeOf(int code, int index) {
    using namespace std::chrono;
    JournalTrade trade;
    trade.date = year_month_day(sys_days(year{2020} / January / 1) + days(index / 2));
    trade.code = std::to_string(600000 + code);
    trade.name = "浦发银行";
    trade.action = index % 2 == 0 ? TradeAction::Buy : TradeAction::Sell;
    trade.quantity = index % 2 == 0 ? 200 : 100;
    trade.price = pelmora::Decimal::fromText(index % 2 == 0 ? "10.25" : "10.37");
    trade.amount = *trade.price->times(pelmora::Decimal::whole(trade.quantity));
    trade.costs.of(pelmora::Cost::Commission) = pelmora::Decimal::whole(5);
    trade.costs.of(pelmora::Cost::TransferFee) = *pelmora::Decimal::fromText("0.02");
    return trade;
}

// One journal for every benchmark, made once.
const QString& bigJournal() {
    static QTemporaryDir folder;
    static const QString file = [] {
        QString name = folder.filePath("journal.sqlite");
        std::vector<JournalTrade> trades;
        for (int index = 0; index < kTradesPerCode; ++index) {
            for (int code = 0; code < kCodes; ++code) {
                trades.push_back(tradeOf(code, index));
            }
        }
        if (!std::holds_alternative<std::vector<JournalTrade>>(
                Journal::open(name).journal->addAll(trades))) {
            name.clear();
        }
        return name;
    }();
    return file;
}

void BM_OpenAndReplay(benchmark::State& state) {
    const QString& file = bigJournal();
    for (auto _ : state) {
        const auto journal = Journal::open(file).journal;
        const auto trades = std::get<std::vector<JournalTrade>>(journal->trades());
        const auto ledger = pelmora::replayTrades(trades);
        if (!std::holds_alternative<pelmora::Ledger>(ledger) || trades.size() < 100'000) {
            state.SkipWithError("the journal does not add up");
        }
        benchmark::DoNotOptimize(ledger);
    }
}

void BM_RecordOneTrade(benchmark::State& state) {
    const auto journal = Journal::open(bigJournal()).journal;
    int index = kTradesPerCode;
    for (auto _ : state) {
        auto written = journal->add(tradeOf(7, index));
        index += 2; // purchases only, so every one adds up
        if (!std::holds_alternative<JournalTrade>(written)) {
            state.SkipWithError("the trade was refused");
        }
    }
}

} // namespace

BENCHMARK(BM_OpenAndReplay)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RecordOneTrade)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
