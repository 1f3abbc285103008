// Reading a statement of 100,000 rows as the clients write it most: GB18030 text, tab-separated,
// every text cell in Excel's ="…" form and a tab at the end of each line; and importing it into a
// new journal, all the steps the console program takes, which must take under two seconds.
#include "statement/ImportPreview.h"
#include "statement/StatementReader.h"
#include "store/Journal.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <stdexcept>
#include <string>

namespace {

constexpr int kRows = 100'000;

std::string asGb18030(std::string utf8) {
    iconv_t converter = iconv_open("GB18030", "UTF-8");
    std::string bytes(utf8.size(), '\0');
    char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = bytes.data();
    std::size_t outLeft = bytes.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("no GB18030");
    }
    bytes.resize(bytes.size() - outLeft);
    return bytes;
}

// A purchase and a sale a day, of 500 codes, with every cost a statement lists.
const std::string& bigStatement() {
    static const std::string bytes = [] {
        std::string text =
            "历史成交\r\n=\"成交日期\"\t=\"成交时间\"\t=\"证券代码\"\t=\"证券名称\"\t"
            "=\"操作\"\t=\"成交数量\"\t=\"成交均价\"\t=\"成交金额\"\t=\"发生金额\"\t"
            "=\"佣金\"\t=\"印花税\"\t=\"过户费\"\t=\"其他杂费\"\t=\"成交编号\"\t"
            "=\"合同编号\"\t=\"交易市场\"\t\r\n";
        for (int row = 0; row < kRows; ++row) {
            const bool buy = row % 2 == 0;
            const std::string code = std::to_string(600000 + row % 500);
            text += "=\"20240305\"\t=\"10:" + std::to_string(10 + row % 50) + ":00\"\t=\"" + code +
                    "\"\t=\"浦发银行\"\t=\"" + (buy ? "证券买入" : "证券卖出") + "\"\t" +
                    (buy ? "1000" : "-1000") + "\t10.255\t10255.00\t" +
                    (buy ? "-10260.23" : "10244.64") + "\t5.00\t" + (buy ? "0.00" : "5.13") +
                    "\t0.10\t0.13\t=\"" + std::to_string(row) + "\"\t=\"" + std::to_string(row) +
                    "\"\t=\"上海Ａ股\"\t\r\n";
        }
        return asGb18030(text);
    }();
    return bytes;
}

void BM_ReadStatement(benchmark::State& state) {
    const std::string& bytes = bigStatement();
    for (auto _ : state) {
        auto statement = pelmora::readStatement(bytes);
        benchmark::DoNotOptimize(statement);
        if (std::get<pelmora::Statement>(statement).rows.size() != kRows) {
            state.SkipWithError("rows lost");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadStatement)->Unit(benchmark::kMillisecond);

// From the file's bytes to the trades committed: read, made entries, checked against what the
// journal holds, costed again, and written in one transaction with the openings they need.
void BM_ImportStatement(benchmark::State& state) {
    const std::string& bytes = bigStatement();
    const QTemporaryDir folder;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString file = folder.filePath(QStringLiteral("journal-%1.sqlite").arg(round++));
        state.ResumeTiming();
        auto read = pelmora::readStatement(bytes);
        auto& statement = std::get<pelmora::Statement>(read);
        pelmora::StatementEntries entries = pelmora::entriesOfStatement(statement);
        std::vector<pelmora::PreviewFile> files;
        files.push_back({QStringLiteral("bench"), std::move(statement), std::move(entries)});
        pelmora::ImportPreview preview = pelmora::previewOf(std::move(files));
        const auto opened = pelmora::Journal::open(file);
        auto stored = std::get<std::vector<bool>>(opened.journal->storedOf(preview.read));
        const auto held = std::get<std::vector<pelmora::JournalTrade>>(opened.journal->trades());
        if (pelmora::completePreview(preview, std::move(stored), held, {})) {
            state.SkipWithError("overflow");
        }
        const auto written =
            opened.journal->importAll(pelmora::entriesToWrite(std::move(preview), {}));
        const auto* trades = std::get_if<std::vector<pelmora::JournalTrade>>(&written);
        if (trades == nullptr || trades->size() < static_cast<std::size_t>(kRows)) {
            state.SkipWithError("not written");
        }
    }
}
BENCHMARK(BM_ImportStatement)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
