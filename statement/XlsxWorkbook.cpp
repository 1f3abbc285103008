#include "statement/XlsxWorkbook.h"

#include "statement/DelimitedText.h"
#include "statement/StatementReader.h"
#include "statement/ZipBounds.h"

#include <QBuffer>
#include <QByteArray>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>
#include <QtGui/private/qzipreader_p.h>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {
namespace {

constexpr std::string_view kZipMagic = "PK\x03\x04";
const QString kWorkbookPart = QStringLiteral("xl/workbook.xml");
const QString kWorkbookRelations = QStringLiteral("xl/_rels/workbook.xml.rels");

StatementRefusal damaged(const QString& part) {
    return {RefusalReason::DamagedXlsx, 0, part.toStdString(), {}};
}

// The zip's parts by name, each unpacked only once it is known to lie within the zip and to
// state no more than kMostStatementBytes unpacked.
class Parts {
public:
    explicit Parts(std::string_view bytes)
        : m_zipBytes(bytes),
          m_bytes(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))),
          m_buffer(&m_bytes) {
        m_buffer.open(QIODevice::ReadOnly);
        m_zip.emplace(&m_buffer);
    }

    // A zip of parts, each with a name, once each: QZipReader leaves the parts of a system it
    // does not know unnamed and unsized, and unpacks the first of two of one name.
    [[nodiscard]] bool readable() {
        const QList<QZipReader::FileInfo> infos = m_zip->fileInfoList();
        if (m_zip->status() != QZipReader::NoError || infos.isEmpty()) {
            return false;
        }
        for (const QZipReader::FileInfo& info : infos) {
            if (!info.isValid() || info.filePath.isEmpty() || m_names.contains(info.filePath)) {
                return false;
            }
            m_names.insert(info.filePath);
        }
        return true;
    }
    [[nodiscard]] bool has(const QString& part) const { return m_names.contains(part); }

    std::variant<QByteArray, StatementRefusal> unpacked(const QString& part) {
        const std::string name = part.toStdString();
        const std::optional<ZipPart> checked = zipPart(m_zipBytes, name);
        if (!m_names.contains(part) || !checked) {
            return damaged(part);
        }
        if (checked->unpackedSize > static_cast<std::uint64_t>(kMostStatementBytes)) {
            return StatementRefusal{RefusalReason::XlsxEntryTooLarge, 0, name, {}};
        }
        return m_zip->fileData(part);
    }

private:
    std::string_view m_zipBytes;
    QByteArray m_bytes;
    QBuffer m_buffer;
    std::optional<QZipReader> m_zip;
    QSet<QString> m_names;
};

// A relationship's target as the zip names it: from the workbook's folder, or from the root
// where it starts with "/".
QString partOfTarget(const QString& target) {
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

QString attribute(const QXmlStreamReader& xml, const QString& name) {
    return xml.attributes().value(name).toString();
}

// The relationship id of the workbook's first sheet, and its date system.
struct WorkbookFacts {
    QString firstSheet;
    Serials serials = Serials::From1900;
};

std::optional<WorkbookFacts> workbookFacts(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    WorkbookFacts facts;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == u"workbookPr") {
            const QString flag = attribute(reader, QStringLiteral("date1904"));
            facts.serials = flag == u"1" || flag == u"true" ? Serials::From1904 : Serials::From1900;
        } else if (reader.name() == u"sheet" && facts.firstSheet.isEmpty()) {
            // r:id, in the relationships' namespace of either OOXML.
            for (const QXmlStreamAttribute& found : reader.attributes()) {
                if (found.name() == u"id" && !found.prefix().isEmpty()) {
                    facts.firstSheet = found.value().toString();
                }
            }
        }
    }
    return reader.hasError() || facts.firstSheet.isEmpty() ? std::nullopt : std::optional(facts);
}

// The parts of the first sheet and of the shared strings, from the workbook's relationships.
struct SheetParts {
    QString sheet;
    QString strings;
};

std::optional<SheetParts> sheetParts(const QByteArray& xml, const QString& sheetId) {
    QXmlStreamReader reader(xml);
    SheetParts parts;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement ||
            reader.name() != u"Relationship") {
            continue;
        }
        const QString target = partOfTarget(attribute(reader, QStringLiteral("Target")));
        if (attribute(reader, QStringLiteral("Id")) == sheetId) {
            parts.sheet = target;
        } else if (attribute(reader, QStringLiteral("Type")).endsWith(u"/sharedStrings")) {
            parts.strings = target;
        }
    }
    return reader.hasError() || parts.sheet.isEmpty() ? std::nullopt : std::optional(parts);
}

// The text of a string item (<si>, <is>) appended: its <t>, or its runs' <t>, without the
// phonetic guide (<rPh>) some files add.
void appendItemText(QXmlStreamReader& reader, QString& text) {
    while (reader.readNextStartElement()) {
        if (reader.name() == u"t") {
            text += reader.readElementText();
        } else if (reader.name() == u"r") {
            appendItemText(reader, text);
        } else {
            reader.skipCurrentElement();
        }
    }
}

std::string stringItemText(QXmlStreamReader& reader) {
    QString text;
    appendItemText(reader, text);
    return text.toStdString();
}

std::optional<std::vector<std::string>> sharedStrings(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    std::vector<std::string> strings;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"si") {
            strings.push_back(stringItemText(reader));
        }
    }
    return reader.hasError() ? std::nullopt : std::optional(std::move(strings));
}

// The 0-based column of a cell reference such as "AB12"; none without its letters.
std::optional<std::size_t> columnOfReference(const QString& reference) {
    std::size_t column = 0;
    qsizetype at = 0;
    for (; at < reference.size() && reference[at] >= u'A' && reference[at] <= u'Z'; ++at) {
        column = column * 26 + (reference[at].unicode() - u'A' + 1);
        if (column > kMostFields + 1) {
            break;
        }
    }
    return at == 0 ? std::nullopt : std::optional(column - 1);
}

// One sheet's rows, read as the XML streams.
class SheetReader {
public:
    SheetReader(const QByteArray& xml, const std::vector<std::string>& strings)
        : m_reader(xml), m_strings(strings) {}

    // False where the XML does not read.
    bool read(const std::function<bool(const CellRow&)>& take) {
        while (!m_reader.atEnd()) {
            if (m_reader.readNext() == QXmlStreamReader::StartElement &&
                m_reader.name() == u"row") {
                readRow();
                if (!m_row.cells.empty() && !take(m_row)) {
                    return true;
                }
            }
        }
        return !m_reader.hasError();
    }

private:
    void readRow() {
        bool isNumber = false;
        const qulonglong number = attribute(m_reader, QStringLiteral("r")).toULongLong(&isNumber);
        m_row.number = isNumber && number > 0 ? number : m_row.number + 1;
        m_row.cells.clear();
        m_row.tooManyCells = false;
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() != u"c") {
                m_reader.skipCurrentElement();
                continue;
            }
            const std::size_t column = columnOfReference(attribute(m_reader, QStringLiteral("r")))
                                           .value_or(m_row.cells.size());
            if (column >= kMostFields) {
                m_row.tooManyCells = true;
                m_reader.skipCurrentElement();
                continue;
            }
            if (column >= m_row.cells.size()) {
                m_row.cells.resize(column + 1);
            }
            m_row.cells[column] = readCell();
        }
    }

    Cell readCell() {
        const QString type = attribute(m_reader, QStringLiteral("t"));
        Cell cell;
        QString value;
        while (m_reader.readNextStartElement()) {
            if (m_reader.name() == u"v") {
                value = m_reader.readElementText();
            } else if (m_reader.name() == u"is") {
                cell.text = stringItemText(m_reader);
            } else {
                m_reader.skipCurrentElement();
            }
        }
        if (type == u"s") {
            bool isIndex = false;
            const qulonglong index = value.toULongLong(&isIndex);
            cell.text = isIndex && index < m_strings.size() ? m_strings[index] : std::string();
        } else if (type.isEmpty() || type == u"n") {
            const std::optional<std::string> text = excelNumberText(value.toStdString());
            cell.text = text.value_or(std::string());
            cell.number = text.has_value();
        } else if (type != u"inlineStr") {
            cell.text = value.toStdString();
        }
        // A text cell may hold what a text file does, Excel's ="…" form too.
        if (!cell.number) {
            cell.text = cleanCell(cell.text);
        }
        return cell;
    }

    QXmlStreamReader m_reader;
    const std::vector<std::string>& m_strings;
    CellRow m_row;
};

} // namespace

bool isZip(std::string_view bytes) {
    return bytes.starts_with(kZipMagic);
}

std::optional<StatementRefusal> readXlsxRows(std::string_view bytes,
                                             const std::function<void(Serials)>& serials,
                                             const std::function<bool(const CellRow&)>& take) {
    Parts parts(bytes);
    if (!parts.readable()) {
        return damaged(QStringLiteral("zip"));
    }
    if (!parts.has(kWorkbookPart)) {
        return StatementRefusal{RefusalReason::NotAStatement, 0, {}, {}};
    }
    auto workbook = parts.unpacked(kWorkbookPart);
    if (auto* refused = std::get_if<StatementRefusal>(&workbook)) {
        return *refused;
    }
    const std::optional<WorkbookFacts> facts = workbookFacts(std::get<QByteArray>(workbook));
    if (!facts) {
        return damaged(kWorkbookPart);
    }
    auto relations = parts.unpacked(kWorkbookRelations);
    if (auto* refused = std::get_if<StatementRefusal>(&relations)) {
        return *refused;
    }
    const std::optional<SheetParts> names =
        sheetParts(std::get<QByteArray>(relations), facts->firstSheet);
    if (!names) {
        return damaged(kWorkbookRelations);
    }
    std::vector<std::string> strings;
    if (!names->strings.isEmpty() && parts.has(names->strings)) {
        auto stringsXml = parts.unpacked(names->strings);
        if (auto* refused = std::get_if<StatementRefusal>(&stringsXml)) {
            return *refused;
        }
        std::optional<std::vector<std::string>> read =
            sharedStrings(std::get<QByteArray>(stringsXml));
        if (!read) {
            return damaged(names->strings);
        }
        strings = std::move(*read);
    }
    auto sheet = parts.unpacked(names->sheet);
    if (auto* refused = std::get_if<StatementRefusal>(&sheet)) {
        return *refused;
    }
    serials(facts->serials);
    SheetReader reader(std::get<QByteArray>(sheet), strings);
    if (!reader.read(take)) {
        return damaged(names->sheet);
    }
    return std::nullopt;
}

} // namespace pelmora
