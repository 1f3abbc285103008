// A file that is no statement is refused whole, quickly and with its reason: a picture, a binary
// workbook, noise, a table of something else, a holdings list, headings that lack a column, a
// line of a million fields, a damaged workbook or one that would unpack to too much.
#include "tests/statement/StatementSamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace pelmora::test {
namespace {

std::string noise(std::size_t size, bool withNul) {
    std::mt19937 random(1);
    std::string bytes(size, '\0');
    for (std::size_t at = 0; at < size; at += 4) {
        const std::uint32_t bits = random();
        for (std::size_t i = 0; i < 4 && at + i < size; ++i) {
            const auto byte = static_cast<char>(bits >> (8 * i));
            bytes[at + i] = withNul || byte != '\0' ? byte : '\x01';
        }
    }
    return bytes;
}

// The workbook with a size its directory states of a part changed: the packed size at 20, the
// unpacked one at 24.
std::string withStatedSize(std::string zip, const std::string& part, std::size_t field,
                           std::uint32_t size) {
    for (std::size_t at = zip.find("PK\x01\x02"); at != std::string::npos;
         at = zip.find("PK\x01\x02", at + 1)) {
        const auto byte = [&](std::size_t offset) {
            return static_cast<std::size_t>(static_cast<unsigned char>(zip[at + offset]));
        };
        if (zip.compare(at + 46, byte(28) | byte(29) << 8U, part) == 0) {
            for (std::size_t i = 0; i < 4; ++i) {
                zip[at + field + i] = static_cast<char>(size >> (8 * i));
            }
        }
    }
    return zip;
}

StatementRefusal refused(RefusalReason reason, std::size_t row = 0, std::string detail = {},
                         std::vector<ColumnMeaning> missing = {}) {
    return {reason, row, std::move(detail), std::move(missing)};
}

struct RefusalCase {
    std::string name;
    std::string bytes;
    StatementRefusal refusal;
};

TEST(StatementRefusal, WhatIsNoStatementIsRefusedWhole) {
    using enum RefusalReason;
    using enum ColumnMeaning;
    const std::vector<Cells> trades = {{"成交日期", "证券代码", "操作", "成交数量", "成交金额"},
                                       {"20240305", "600519", "买入", "100", "170000"}};
    std::string titles;
    for (int line = 0; line < 64; ++line) {
        titles += "历史成交\n";
    }
    const RefusalCase kCases[] = {
        {"picture", "\x89PNG\r\n\x1A\n" + std::string("\0\0\0\rIHDR", 8), refused(NotAStatement)},
        {"binary workbook", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + noise(4096, true),
         refused(BinaryXls)},
        {"noise", noise(1 << 20, true), refused(NotAStatement)},
        {"100 MB of noise without a NUL", noise(100 << 20, false), refused(NotAStatement)},
        {"another table", "姓名\t年龄\n张三\t30\n", refused(NotAStatement)},
        {"holdings", "资金余额\n证券代码\t证券名称\t股票余额\t可用余额\t成本价\t市值\n",
         refused(HoldingsList, 2)},
        {"missing columns",
         "成交日期,证券代码,证券名称,成交数量\n",
         {MissingColumns, 1, {}, {Operation, Price, Amount}}},
        {"a million fields", std::string(1'000'000, '\t'), refused(TooManyFields, 1)},
        {"headings too far down", titles + "成交日期\t证券代码\t操作\t成交数量\t成交金额\n",
         refused(NotAStatement)},
        {"another zip", zipOf({{"word/document.xml", "<document/>"}}), refused(NotAStatement)},
        {"damaged zip", "PK\x03\x04" + noise(4096, true), refused(DamagedXlsx, 0, "zip")},
        {"another workbook", xlsxOf({{"姓名", "年龄"}, {"张三", "30"}}, {}),
         refused(NotAStatement)},
        {"a sheet packed in more than the zip holds",
         withStatedSize(xlsxOf(trades, {}), "xl/worksheets/sheet1.xml", 20, 1 << 20),
         refused(DamagedXlsx, 0, "xl/worksheets/sheet1.xml")},
        {"too large a sheet",
         withStatedSize(xlsxOf(trades, {}), "xl/worksheets/sheet1.xml", 24, 200 * 1024 * 1024 + 1),
         refused(XlsxEntryTooLarge, 0, "xl/worksheets/sheet1.xml")},
    };
    for (const RefusalCase& c : kCases) {
        const auto read = readStatement(c.bytes);
        ASSERT_TRUE(std::holds_alternative<StatementRefusal>(read)) << c.name;
        EXPECT_EQ(std::get<StatementRefusal>(read), c.refusal) << c.name;
    }
    EXPECT_EQ(statementOf(xlsxOf(trades, {})).rows.size(), 1U);
}

TEST(StatementRefusal, AFileIsLookedAtBeforeItIsRead) {
    QTemporaryDir folder;
    const QString large = folder.filePath("large.xls");
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMostStatementBytes + 1)); // sparse: nothing is written
    file.close();
    const auto reasonOf = [](const QString& name) {
        const auto read = readStatementFile(name);
        return std::holds_alternative<StatementRefusal>(read)
                   ? std::optional(std::get<StatementRefusal>(read).reason)
                   : std::nullopt;
    };
    EXPECT_EQ(reasonOf(large), RefusalReason::TooLarge);
    EXPECT_EQ(reasonOf(folder.path()), RefusalReason::NotAFile);
    EXPECT_EQ(reasonOf(folder.filePath("missing.xls")), RefusalReason::CannotRead);
}

} // namespace
} // namespace pelmora::test
