#include "statement/StatementReader.h"

#include "statement/DelimitedText.h"
#include "statement/StatementAssembly.h"
#include "statement/StatementText.h"
#include "statement/XlsxWorkbook.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace pelmora {
namespace {

// An Excel 97–2003 workbook, and every other OLE2 compound file.
constexpr std::string_view kOle2Magic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// Text holds no NUL; a picture, an archive or noise does within its first bytes.
constexpr std::size_t kBinaryProbe = std::size_t{64} * 1024;

StatementRefusal refusal(RefusalReason reason, std::string detail = {}) {
    return {reason, 0, std::move(detail), {}};
}

// The first lines of a text, where its headings are: a line break is a byte of its own in
// both encodings, never part of a character.
std::string_view headOf(std::string_view bytes) {
    std::size_t from = 0;
    for (std::size_t line = 0; line <= kMostLinesBeforeHeadings; ++line) {
        const std::size_t end = bytes.find('\n', from);
        if (end == std::string_view::npos) {
            return bytes;
        }
        from = end + 1;
    }
    return bytes.substr(0, from);
}

// The lines split at tabs until the headings are found at one or the other separator; from
// then on at that one alone.
std::variant<Statement, StatementRefusal> readLines(const std::string& text,
                                                    StatementEncoding encoding) {
    StatementAssembly assembly(Serials::None);
    assembly.expectRows(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    DelimitedText lines(text);
    CellRow row;
    std::string_view line;
    char separator = 0;
    bool going = true;
    while (going && lines.nextLine(line)) {
        row.number = lines.lineNumber();
        if (separator != 0) {
            splitLine(line, separator, row);
            going = assembly.take(row);
            continue;
        }
        for (const char candidate : {'\t', ','}) {
            splitLine(line, candidate, row);
            going = assembly.take(row);
            if (!going || assembly.headingsFound()) {
                separator = candidate;
                break;
            }
        }
    }
    return assembly.finish(encoding,
                           separator == ',' ? StatementFormat::Comma : StatementFormat::Tab);
}

// A text with no headings among its first lines is refused before the rest is decoded: 100 MB
// of noise costs no more than its first lines.
std::variant<Statement, StatementRefusal> readText(std::string_view bytes) {
    const StatementEncoding encoding = encodingOf(bytes);
    const std::string_view head = headOf(bytes);
    if (head.size() < bytes.size()) {
        auto headRead = readLines(decodedText(head, encoding), encoding);
        if (std::holds_alternative<StatementRefusal>(headRead)) {
            return headRead;
        }
    }
    return readLines(decodedText(bytes, encoding), encoding);
}

std::variant<Statement, StatementRefusal> readWorkbook(std::string_view bytes) {
    StatementAssembly assembly(Serials::From1900);
    const std::optional<StatementRefusal> refused = readXlsxRows(
        bytes, [&](Serials serials) { assembly.useSerials(serials); },
        [&](const CellRow& row) { return assembly.take(row); });
    if (refused) {
        return *refused;
    }
    return assembly.finish(StatementEncoding::Utf8, StatementFormat::Xlsx);
}

} // namespace

std::variant<Statement, StatementRefusal> readStatement(std::string_view bytes) {
    if (static_cast<std::int64_t>(bytes.size()) > kMostStatementBytes) {
        return refusal(RefusalReason::TooLarge);
    }
    if (bytes.starts_with(kOle2Magic)) {
        return refusal(RefusalReason::BinaryXls);
    }
    if (isZip(bytes)) {
        return readWorkbook(bytes);
    }
    if (bytes.substr(0, kBinaryProbe).find('\0') != std::string_view::npos) {
        return refusal(RefusalReason::NotAStatement);
    }
    return readText(bytes);
}

std::variant<Statement, StatementRefusal> readStatementFile(const QString& file) {
    const QFileInfo info(file);
    // A pipe or a device could keep the reading waiting for ever, or never end.
    if (info.exists() && !info.isFile()) {
        return refusal(RefusalReason::NotAFile);
    }
    if (info.size() > kMostStatementBytes) {
        return refusal(RefusalReason::TooLarge);
    }
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        return refusal(RefusalReason::CannotRead, input.errorString().toStdString());
    }
    // Read no further than the limit, even from a file that has grown since.
    const QByteArray bytes = input.read(kMostStatementBytes + 1);
    if (input.error() != QFileDevice::NoError) {
        return refusal(RefusalReason::CannotRead, input.errorString().toStdString());
    }
    return readStatement(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace pelmora
