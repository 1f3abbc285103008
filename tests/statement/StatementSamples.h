#pragma once

// Statements made by the tests, as the trading clients write them: text in either encoding and
// at either separator, and a real .xlsx zipped by Qt's own writer.
#include "statement/Gb18030TableData.h"
#include "statement/StatementReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QtGui/private/qzipwriter_p.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// What a failing case prints.
inline void PrintTo(const StatementRefusal& refusal, std::ostream* out) {
    *out << "reason " << static_cast<int>(refusal.reason) << " row " << refusal.row << " "
         << refusal.detail << " missing " << refusal.missing.size();
}

} // namespace pelmora

namespace pelmora::test {

using Cells = std::vector<std::string>;

// A statement's lines: its titles, headings, rows and what follows them, cell by cell, UTF-8.
struct Sample {
    std::vector<Cells> titles;
    Cells headings;
    std::vector<Cells> rows;
    std::vector<Cells> summary;
};

// How a client writes a text statement.
struct Layout {
    char separator = '\t';
    std::string lineEnd = "\r\n";
    bool separatorAtEnd = true; // a tab or a comma after every line's last cell
    bool excelText = true;      // each cell written ="…", the code and texts kept as text
    bool finalLineEnd = true;
    bool gb18030 = true;
    bool byteOrderMark = false; // UTF-8's
};

// UTF-8 as GB18030, from the committed table turned round; ASCII as it is.
inline std::string gb18030(const std::string& utf8) {
    static const std::map<char32_t, std::string> bytesOf = [] {
        std::map<char32_t, std::string> table;
        for (std::size_t number = 0; number < kGb18030TwoByteCount; ++number) {
            const unsigned trail = number % 190;
            table.emplace(
                kGb18030TwoByte.at(number),
                std::string{static_cast<char>(0x81 + number / 190),
                            static_cast<char>(trail < 0x3F ? 0x40 + trail : 0x41 + trail)});
        }
        return table;
    }();
    std::string bytes;
    for (const char32_t point : QString::fromStdString(utf8).toUcs4()) {
        bytes += point < 0x80 ? std::string(1, static_cast<char>(point)) : bytesOf.at(point);
    }
    return bytes;
}

inline std::string textOf(const Sample& sample, const Layout& layout) {
    std::string text = layout.byteOrderMark ? "\xEF\xBB\xBF" : "";
    const auto line = [&](const Cells& cells) {
        for (std::size_t at = 0; at < cells.size(); ++at) {
            const std::string& cell = cells[at];
            text += layout.excelText && !cell.empty() ? "=\"" + cell + "\"" : cell;
            text += at + 1 < cells.size() || layout.separatorAtEnd
                        ? std::string(1, layout.separator)
                        : std::string();
        }
        text += layout.lineEnd;
    };
    for (const auto* part : {&sample.titles, &sample.rows, &sample.summary}) {
        if (part == &sample.rows) {
            line(sample.headings);
        }
        for (const Cells& cells : *part) {
            line(cells);
        }
    }
    if (!layout.finalLineEnd) {
        text.resize(text.size() - layout.lineEnd.size());
    }
    return layout.gb18030 ? gb18030(text) : text;
}

// The parts of a workbook, zipped.
inline std::string zipOf(const std::map<QString, QByteArray>& parts) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter zip(&buffer);
        for (const auto& [name, data] : parts) {
            zip.addFile(name, data);
        }
    }
    return buffer.data().toStdString();
}

// A workbook of one sheet: the numbers of `numbers` as number cells, the rest of the texts as
// shared strings, or inline where asked; `dates1904` declares the 1904 date system.
inline std::string xlsxOf(const std::vector<Cells>& sheet,
                          const std::vector<std::vector<bool>>& numbers, bool dates1904 = false,
                          bool inlineStrings = false) {
    QByteArray strings;
    int stringCount = 0;
    QByteArray rows;
    for (std::size_t r = 0; r < sheet.size(); ++r) {
        const QByteArray row = QByteArray::number(static_cast<qulonglong>(r) + 1);
        rows += "<row r='" + row + "'>";
        for (std::size_t c = 0; c < sheet[r].size(); ++c) {
            const QString cell = QString::fromStdString(sheet[r][c]);
            const QByteArray text = cell.toHtmlEscaped().toUtf8();
            const bool number = r < numbers.size() && c < numbers[r].size() && numbers[r][c];
            const QByteArray opening = "<c r='" + QByteArray(1, static_cast<char>('A' + c)) + row;
            if (number) {
                rows += opening + "'><v>" + text + "</v></c>";
            } else if (inlineStrings) {
                rows += opening + "' t='inlineStr'><is><t>" + text + "</t></is></c>";
            } else if (!text.isEmpty()) {
                // Two runs of rich text and a phonetic guide, which is no part of the text.
                strings += "<si><r><t>" + cell.left(1).toHtmlEscaped().toUtf8() + "</t></r><r><t>" +
                           cell.mid(1).toHtmlEscaped().toUtf8() +
                           "</t></r><rPh><t>x</t></rPh></si>";
                rows += opening + "' t='s'><v>" + QByteArray::number(stringCount++) + "</v></c>";
            }
        }
        rows += "</row>";
    }
    const QByteArray relations =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return zipOf({
        {"xl/workbook.xml", "<workbook xmlns:r='" + relations + "'><workbookPr date1904='" +
                                (dates1904 ? "1" : "0") +
                                "'/><sheets><sheet name='交割单' sheetId='1' r:id='rId1'/></sheets>"
                                "</workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id='rId1' Target='worksheets/sheet1.xml' Type='" +
             relations +
             "/worksheet'/><Relationship Id='rId2' Target='/xl/sharedStrings.xml' Type='" +
             relations + "/sharedStrings'/></Relationships>"},
        {"xl/sharedStrings.xml", "<sst>" + strings + "</sst>"},
        {"xl/worksheets/sheet1.xml", "<worksheet><sheetData>" + rows + "</sheetData></worksheet>"},
    });
}

// The statement the bytes hold, failing the test where they are refused.
inline Statement statementOf(const std::string& bytes) {
    auto read = readStatement(bytes);
    if (const auto* refused = std::get_if<StatementRefusal>(&read)) {
        ADD_FAILURE() << "refused: reason " << static_cast<int>(refused->reason) << " row "
                      << refused->row << " " << refused->detail;
        return {};
    }
    return std::get<Statement>(std::move(read));
}

} // namespace pelmora::test
