#include "store/JournalCsv.h"

#include "design/JournalTables.h"
#include "store/JournalCsvCells.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pelmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Excel writes CRLF itself, and RFC 4180 separates records by it.
constexpr std::string_view kLineEnd = "\r\n";

void appendCell(std::string& line, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += cell;
        return;
    }
    line += '"';
    for (const char c : cell) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

void appendLine(std::string& file, const std::array<std::string, kCsvColumnCount>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            file += ',';
        }
        appendCell(file, cells.at(i));
    }
    file += kLineEnd;
}

// What every export begins with: the mark and the first heading.
std::string exportOpening() {
    return std::string(kByteOrderMark) + std::string(csvHeading(0)) + ',';
}

CsvRefusal fileRefusal(CsvProblem problem, const QString& detail = {}) {
    return CsvRefusal{problem, 0, {}, detail.toStdString()};
}

// An existing file is replaced only when nothing of the user's would be lost with it.
std::optional<CsvRefusal> mayReplace(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists()) {
        return std::nullopt;
    }
    if (!info.isFile()) {
        return fileRefusal(CsvProblem::NotAFile);
    }
    if (info.size() == 0) {
        return std::nullopt;
    }
    QFile old(file);
    if (!old.open(QIODevice::ReadOnly)) {
        return fileRefusal(CsvProblem::CannotRead, old.errorString());
    }
    const std::string opening = exportOpening();
    if (old.read(static_cast<qint64>(opening.size())).toStdString() != opening) {
        return fileRefusal(CsvProblem::NotAnExport);
    }
    return std::nullopt;
}

} // namespace

std::string journalCsv(std::span<const JournalTrade> trades) {
    std::string file(kByteOrderMark);
    std::array<std::string, kCsvColumnCount> cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells.at(i) = csvHeading(i);
    }
    appendLine(file, cells);
    for (const JournalTrade& trade : trades) {
        appendLine(file, csvCells(trade));
    }
    return file;
}

std::variant<std::vector<JournalTrade>, CsvRefusal> importJournalCsv(const QString& file,
                                                                     TradeDate today) {
    const QFileInfo info(file);
    // Opening a pipe or a device could wait for ever, or read without end.
    if (info.exists() && !info.isFile()) {
        return fileRefusal(CsvProblem::NotAFile);
    }
    if (info.size() > kMostJournalCsvBytes) {
        return fileRefusal(CsvProblem::TooLarge);
    }
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        return fileRefusal(CsvProblem::CannotRead, input.errorString());
    }
    // A file that grew since it was looked at is still read no further than the limit.
    const QByteArray bytes = input.read(kMostJournalCsvBytes + 1);
    if (input.error() != QFileDevice::NoError) {
        return fileRefusal(CsvProblem::CannotRead, input.errorString());
    }
    if (bytes.size() > kMostJournalCsvBytes) {
        return fileRefusal(CsvProblem::TooLarge);
    }
    return readJournalCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), today);
}

std::optional<CsvRefusal> exportJournalCsv(const QString& file,
                                           std::span<const JournalTrade> trades) {
    if (std::optional<CsvRefusal> refused = mayReplace(file)) {
        return refused;
    }
    const std::string text = journalCsv(trades);
    // Written beside it and renamed over it once whole: a full disk leaves the old file.
    QSaveFile output(file);
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !output.commit()) {
        return fileRefusal(CsvProblem::CannotWrite, output.errorString());
    }
    return std::nullopt;
}

} // namespace pelmora
