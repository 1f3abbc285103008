// Any bytes read as a statement file: the reading never fails but by a refusal, and what it
// gives holds together. Rows and skipped rows stand after the headings, in the file's order and
// each once; figures are sizes where the statement's are; a new issue's price is its payment's,
// its own or asked for; every skipped row is counted once; and a UTF-8 byte-order mark changes
// nothing read from a text. Its rows make journal entries the journal would store, or are left
// out with a reason, each once, and the import's preview of them holds together; every refusal,
// skip, doubt and gap has words.
#include "fuzz/FuzzChecks.h"
#include "statement/ImportPreview.h"
#include "statement/StatementReader.h"
#include "statement/StatementWords.h"

#include <QtGlobal>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace pelmora;
using fuzz::require;

void checkRow(const StatementRow& row) {
    require(row.quantity.sign() >= 0);
    require(!row.amount || row.amount->sign() >= 0);
    for (const Cost cost : kAllCosts) {
        require(row.costs.of(cost).sign() >= 0);
    }
    if (row.kind == RowKind::Buy || row.kind == RowKind::Sell) {
        require(row.quantity.sign() > 0 && (row.price || row.amount));
    }
    require((row.priceSource == PriceSource::Ask) ==
            (row.kind == RowKind::NewIssuePurchase && !row.price));
    require((row.paymentRow != 0) == (row.priceSource == PriceSource::WinningPayment));
}

void checkStatement(const Statement& statement) {
    require(statement.headerRow > 0);
    std::set<std::size_t> seen;
    std::size_t last = statement.headerRow;
    for (const StatementRow& row : statement.rows) {
        require(row.row > last && seen.insert(row.row).second);
        last = row.row;
        checkRow(row);
    }
    last = statement.headerRow;
    for (const SkippedRow& skipped : statement.skipped) {
        require(skipped.row > last && seen.insert(skipped.row).second);
        last = skipped.row;
    }
    for (const StatementRow& row : statement.rows) {
        require(row.paymentRow == 0 ||
                std::any_of(statement.skipped.begin(), statement.skipped.end(),
                            [&](const SkippedRow& s) { return s.row == row.paymentRow; }));
    }
    std::size_t counted = 0;
    for (const SkipCount& count : statement.skipCounts) {
        counted += count.count;
    }
    require(counted == statement.skipped.size());
}

// What an import would make of the statement, into an empty journal.
void checkEntries(const Statement& statement) {
    for (const SkippedRow& skipped : statement.skipped) {
        require(!skipWords(skipped).empty());
    }
    StatementEntries made = entriesOfStatement(statement);
    require(made.entries.size() + made.leftOut.size() == statement.rows.size());
    for (const StatementEntry& entry : made.entries) {
        const JournalTrade& trade = entry.trade;
        require(trade.source == TradeSource::Statement && !trade.importKey.empty());
        require(trade.quantity > 0 || (trade.quantity == 0 && movesCashOnly(trade.action)));
        require(trade.amount || trade.action == TradeAction::Opening);
        require(entry.priceAsked == (trade.action == TradeAction::Opening));
        for (const RowProblem& problem : entry.problems) {
            require(!problemWords(problem).empty());
        }
    }
    for (const LeftOutRow& leftOut : made.leftOut) {
        require(!gapWords(leftOut).empty());
    }
    std::vector<PreviewFile> files;
    files.push_back({QStringLiteral("fuzz"), statement, std::move(made)});
    ImportPreview preview = previewOf(std::move(files));
    if (completePreview(preview, {}, {}, JournalCommission{}).has_value()) {
        return;
    }
    require(preview.fresh.size() == preview.read.size());
    require(preview.difference.size() == preview.read.size());
    for (const OpeningNeed& need : preview.openings) {
        require(need.shares > 0 && preview.read.at(need.firstSale).action == TradeAction::Sell);
    }
    const std::size_t openings = preview.openings.size();
    const std::size_t read = preview.read.size();
    require(entriesToWrite(std::move(preview), {}).size() == openings + read);
}

void ignoreMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                   const QString& /*message*/) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // QZipReader warns of every damaged zip; the runs would spend their time writing it.
    qInstallMessageHandler(ignoreMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto read = readStatement(bytes);
    const auto* statement = std::get_if<Statement>(&read);
    if (statement == nullptr) {
        const auto& refusal = std::get<StatementRefusal>(read);
        require(refusal.reason != RefusalReason::MissingColumns || !refusal.missing.empty());
        require(refusal.reason != RefusalReason::TooManyFields || refusal.row > 0);
        require(!refusalWords(refusal).empty());
        return 0;
    }
    checkStatement(*statement);
    checkEntries(*statement);
    if (statement->format != StatementFormat::Xlsx &&
        statement->encoding == StatementEncoding::Utf8 && !bytes.starts_with("\xEF\xBB\xBF")) {
        const auto marked = readStatement("\xEF\xBB\xBF" + bytes);
        const auto* again = std::get_if<Statement>(&marked);
        require(again != nullptr && again->rows == statement->rows &&
                again->skipped == statement->skipped);
    }
    return 0;
}
