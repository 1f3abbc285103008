#include "statement/StatementWords.h"

#include "statement/StatementReader.h"

#include <algorithm>

namespace pelmora {
namespace {

std::string quoted(const std::string& text) {
    return "“" + text + "”";
}

std::string cellWords(const std::string& column, const std::string& value) {
    return column + " " + quoted(value);
}

constexpr std::int64_t kBytesPerMegabyte = std::int64_t{1024} * 1024;

std::string largestFile() {
    return std::to_string(kMostStatementBytes / kBytesPerMegabyte) + " MB";
}

} // namespace

std::string refusalWords(const StatementRefusal& refusal) {
    switch (refusal.reason) {
    case RefusalReason::NotAFile:
        return "不是普通文件，没有打开";
    case RefusalReason::CannotRead:
        return "无法读取：" + refusal.detail;
    case RefusalReason::TooLarge:
        return "文件大于 " + largestFile() + "，不是对账单，没有读取";
    case RefusalReason::BinaryXls:
        return "请在 Excel 中另存为 .xlsx 或文本文件";
    case RefusalReason::NotAStatement:
        return "不是对账单：文件中没有对账单的标题行（成交日期、证券代码、操作、成交数量……）";
    case RefusalReason::HoldingsList:
        return "这是持仓表，不是对账单：其中没有成交记录";
    case RefusalReason::MissingColumns: {
        // Either of a price and an amount is enough, so both missing are named as one.
        const bool neither =
            std::ranges::find(refusal.missing, ColumnMeaning::Price) != refusal.missing.end() &&
            std::ranges::find(refusal.missing, ColumnMeaning::Amount) != refusal.missing.end();
        std::string names;
        for (const ColumnMeaning meaning : refusal.missing) {
            if (neither && meaning == ColumnMeaning::Amount) {
                continue;
            }
            names += (names.empty() ? "" : "、") + std::string(usualHeading(meaning));
            if (neither && meaning == ColumnMeaning::Price) {
                names += "或" + std::string(usualHeading(ColumnMeaning::Amount));
            }
        }
        return "第 " + std::to_string(refusal.row) + " 行的标题缺少对账单必需的列：" + names;
    }
    case RefusalReason::TooManyFields:
        return "第 " + std::to_string(refusal.row) + " 行超过 " + std::to_string(kMostFields) +
               " 个单元格，不是对账单";
    case RefusalReason::DamagedXlsx:
        return "Excel 工作簿已损坏，无法读取其中的 " + quoted(refusal.detail);
    case RefusalReason::XlsxEntryTooLarge:
        return "Excel 工作簿中的 " + quoted(refusal.detail) + " 解压后大于 " + largestFile() +
               "，没有读取";
    }
    return {};
}

std::string skipWords(const SkippedRow& skipped) {
    switch (skipped.reason) {
    case SkipReason::OtherOperation:
        return "不是交易：" + quoted(skipped.value);
    case SkipReason::NoOperation:
        return "没有操作";
    case SkipReason::HongKongConnect:
        return "港股通，不记入";
    case SkipReason::ForeignCurrency:
        return "不是人民币交易：" + cellWords(skipped.column, skipped.value);
    case SkipReason::NotARow:
        return "不是交易行（合计或重复的标题）";
    case SkipReason::NothingTraded:
        return "成交数量为 0";
    case SkipReason::UnreadableCell:
        return "无法读取 " + cellWords(skipped.column, skipped.value);
    }
    return {};
}

std::string problemWords(const RowProblem& problem) {
    const std::string cell = cellWords(problem.column, problem.value);
    switch (problem.doubt) {
    case RowDoubt::AmountOffPrice:
        return cell + " 与成交数量×成交价格不符";
    case RowDoubt::CostsOffNetCash:
        return cell + " 不等于成交金额加减费用";
    case RowDoubt::NetCashAgainstSide:
        return cell + " 的收付方向与买卖相反";
    case RowDoubt::OperationsDisagree:
        return "两列操作不一致：" + quoted(problem.value);
    case RowDoubt::UnreadableCell:
        return "无法读取 " + cell + "，按空白导入";
    }
    return {};
}

std::string gapWords(const LeftOutRow& leftOut) {
    switch (leftOut.gap) {
    case EntryGap::NoKind:
        return "代码 " + quoted(leftOut.value) + " 不属于本程序计算的任何品种，不记入";
    case EntryGap::PartShares:
        return "数量 " + quoted(leftOut.value) + " 不是整股，不记入";
    case EntryGap::NoCash:
        return quoted(leftOut.value) + " 没有金额，不记入";
    case EntryGap::Conversion:
        return "债转股不记入：以后卖出这些股份时，按期初持仓导入";
    case EntryGap::InEarlierFile:
        return "前面的文件已有这一行，只导入一次";
    }
    return {};
}

std::string priceAskedWords() {
    return "对账单没有给出发行价格：按期初持仓（未知成本）导入";
}

std::string encodingWord(StatementEncoding encoding) {
    return encoding == StatementEncoding::Utf8 ? "UTF-8" : "GB18030 (GBK)";
}

std::string formatWord(StatementFormat format) {
    switch (format) {
    case StatementFormat::Tab:
        return "制表符分隔的文本";
    case StatementFormat::Comma:
        return "逗号分隔的文本";
    case StatementFormat::Xlsx:
        return "Excel 工作簿 (.xlsx)";
    }
    return {};
}

} // namespace pelmora
