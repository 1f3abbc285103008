#include "cli/StatementImport.h"

#include "cli/Output.h"
#include "design/JournalTables.h"
#include "statement/StatementWords.h"

#include <algorithm>
#include <numeric>

namespace pelmora::cli {
namespace {

// The difference column the import adds to the trades table.
constexpr const char* kDifferenceHeading = "差额";

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void printRowNote(const QString& file, std::size_t row, const QString& reason) {
    printMessage(file + u'\t' + QString::number(row) + u'\t' + reason);
}

void printEntries(const ImportPreview& preview) {
    std::vector<std::string> cells;
    cells.reserve(kTradeColumnCount + 1);
    for (std::size_t i = 0; i < kTradeColumnCount; ++i) {
        cells.emplace_back(heading(static_cast<TradeColumn>(i)));
    }
    cells.emplace_back(kDifferenceHeading);
    printRow(cells);
    for (std::size_t read = 0; read < preview.read.size(); ++read) {
        cells.clear();
        for (std::size_t i = 0; i < kTradeColumnCount; ++i) {
            cells.push_back(tradeCell(preview.read[read], static_cast<TradeColumn>(i)));
        }
        const std::optional<Decimal>& difference = preview.difference.at(read);
        cells.push_back(difference ? difference->fixedText(kFenDecimals) : std::string());
        printRow(cells);
    }
}

// The notes of one file's rows, by row.
std::vector<std::pair<std::size_t, QString>> rowNotes(const ImportPreview& preview,
                                                      std::size_t file) {
    const PreviewFile& read = preview.files.at(file);
    std::vector<std::pair<std::size_t, QString>> notes;
    notes.reserve(read.statement.skipped.size() + read.entries.leftOut.size());
    for (const SkippedRow& skipped : read.statement.skipped) {
        notes.emplace_back(skipped.row, fromUtf8(skipWords(skipped)));
    }
    for (const LeftOutRow& leftOut : read.entries.leftOut) {
        notes.emplace_back(leftOut.row, fromUtf8(gapWords(leftOut)));
    }
    for (std::size_t i = 0; i < preview.read.size(); ++i) {
        if (preview.placeOf[i].file != file) {
            continue;
        }
        const StatementEntry& entry = statementEntry(preview, i);
        if (preview.stored.at(i)) {
            notes.emplace_back(entry.row, QStringLiteral("已导入"));
            continue;
        }
        if (entry.priceAsked) {
            notes.emplace_back(entry.row, fromUtf8(priceAskedWords()));
        }
        for (const RowProblem& problem : entry.problems) {
            notes.emplace_back(entry.row,
                               fromUtf8(problemWords(problem)) + QStringLiteral("，照对账单导入"));
        }
    }
    for (const OpeningNeed& need : preview.openings) {
        const std::size_t sale = need.firstSale;
        if (preview.placeOf.at(sale).file == file) {
            notes.emplace_back(statementEntry(preview, sale).row,
                               QStringLiteral("卖出前账本中没有足够的 %1：按期初持仓 %2 股"
                                              "（未知成本）导入，成本可以在账本中补上")
                                   .arg(fromUtf8(need.code))
                                   .arg(need.shares));
        }
    }
    // By row; a row's notes in the order they were made.
    std::vector<std::size_t> order(notes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
        return std::pair(notes[a].first, a) < std::pair(notes[b].first, b);
    });
    std::vector<std::pair<std::size_t, QString>> sorted;
    sorted.reserve(notes.size());
    for (const std::size_t i : order) {
        sorted.push_back(std::move(notes[i]));
    }
    return sorted;
}

QString summary(const ImportPreview& preview, std::size_t file, bool dryRun) {
    const PreviewFile& read = preview.files.at(file);
    std::size_t added = 0;
    std::size_t held = 0;
    for (std::size_t i = 0; i < preview.read.size(); ++i) {
        if (preview.placeOf[i].file == file) {
            ++(preview.stored[i] ? held : added);
        }
    }
    return QStringLiteral("%1：%2，%3；%4 笔记入账本，%5 笔已导入，%6 行跳过%7")
        .arg(read.file, fromUtf8(encodingWord(read.statement.encoding)),
             fromUtf8(formatWord(read.statement.format)))
        .arg(added)
        .arg(held)
        .arg(read.statement.skipped.size() + read.entries.leftOut.size())
        .arg(dryRun ? QStringLiteral("（试导入，账本没有写入）") : QString());
}

} // namespace

void printPreview(const ImportPreview& preview, bool dryRun) {
    printEntries(preview);
    for (std::size_t file = 0; file < preview.files.size(); ++file) {
        for (const auto& [row, reason] : rowNotes(preview, file)) {
            printRowNote(preview.files[file].file, row, reason);
        }
    }
    for (std::size_t file = 0; file < preview.files.size(); ++file) {
        printMessage(summary(preview, file, dryRun));
    }
}

QString statementRefused(const QString& file, const StatementRefusal& refusal) {
    return file + QStringLiteral("：") + fromUtf8(refusalWords(refusal));
}

QString nothingImported(std::size_t refused) {
    return QStringLiteral("有 %1 个文件无法导入：全部没有导入，账本没有改变").arg(refused);
}

} // namespace pelmora::cli
