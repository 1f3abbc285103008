#include "ui/JournalWords.h"

#include "ui/MessageQuote.h"
#include "ui/Placement.h"

#include <QDir>
#include <QStringList>

namespace pelmora {
namespace {

QString tradeName(const JournalTrade& trade) {
    return QStringLiteral("%1 %2 %3 %4 %5 股")
        .arg(fromUtf8(dateText(trade.date)), fromUtf8(trade.code), fromUtf8(trade.name),
             fromUtf8(actionWord(trade.action)), QString::number(trade.quantity))
        .simplified();
}

} // namespace

QString recordCaption() {
    return QStringLiteral("记入账本");
}

QString recordButtonName(std::string_view panel) {
    return fromUtf8(panel) + u' ' + recordCaption();
}

QString columnHeading(HoldingColumn column) {
    return fromUtf8(heading(column));
}

QString columnHeading(TradeColumn column) {
    return fromUtf8(heading(column));
}

QString draftBoxName(DraftBox box) {
    return fromUtf8(heading(box));
}

QString costWorkedOut() {
    return QStringLiteral("自动计算");
}

QString journalMessageTitle() {
    return QStringLiteral("Pelmora 账本");
}

QString describeDraftRefusal(const DraftRefusal& refusal) {
    const QString box = u'「' + draftBoxName(refusal.box) + u'」';
    const QString text = quotedForMessage(refusal.text);
    switch (refusal.problem) {
    case DraftProblem::DateUnreadable:
        return QStringLiteral("%1里的%2不是日期，请写成 2024-03-05 或 20240305。").arg(box, text);
    case DraftProblem::DateInFuture:
        return QStringLiteral("%1里的%2晚于今天（北京时间）。").arg(box, text);
    case DraftProblem::TimeUnreadable:
        return QStringLiteral("%1里的%2不是时间，请写成 09:35:00，或留空。").arg(box, text);
    case DraftProblem::CodeFitsNoKind:
        return QStringLiteral("%1里的%"
                              "2不是本程序能计算的六位证券代码（沪深主板、创业板、科创板、北交所、"
                              "基金、可转债）。")
            .arg(box, text);
    case DraftProblem::NotANumber:
        return refusal.text.empty() ? QStringLiteral("%1是空的。").arg(box)
                                    : QStringLiteral("%1里的%2不是数字。").arg(box, text);
    case DraftProblem::DecimalComma:
        return QStringLiteral("%1里的%2带有逗号，这里的小数点是“.”。").arg(box, text);
    case DraftProblem::NotWholePositive:
        return QStringLiteral("%1里的%2不是大于 0 的整数。").arg(box, text);
    case DraftProblem::NotPositive:
        return QStringLiteral("%1里的%2须大于 0。").arg(box, text);
    case DraftProblem::NegativeCost:
        return QStringLiteral("%1里的%2小于 0。").arg(box, text);
    case DraftProblem::BreaksLots:
        return QStringLiteral("%1里的%2不合这一品种的买入单位。").arg(box, text);
    case DraftProblem::CostsNeeded:
        return QStringLiteral("这笔交易早于程序所知的费率，请照交割单填入%1等各项费用。").arg(box);
    case DraftProblem::Overflow:
        return QStringLiteral("%1里的%2太大，无法精确计算。").arg(box, text);
    }
    return {};
}

QString describeWriteRefusal(const WriteRefusal& refusal) {
    const QString trade = refusal.trade ? tradeName(*refusal.trade) : QString();
    switch (refusal.stop) {
    case WriteStop::Oversold:
        return QStringLiteral("没有记入：这样一来，%1 卖出的数量超过了当时的持仓。").arg(trade);
    case WriteStop::Overflow:
        return QStringLiteral("没有记入：%1 之后的持仓金额太大，无法精确计算。").arg(trade);
    case WriteStop::Changed:
        return QStringLiteral("没有改动：另一个运行中的 Pelmora 已经改动或删除了 %1。").arg(trade);
    case WriteStop::ReadOnly:
        return QStringLiteral("这个账本只能查看和导出，不能记入或改动。");
    case WriteStop::DiskFull:
        return QStringLiteral("磁盘已满，没有记入任何内容。请腾出空间后再试。");
    case WriteStop::Failed:
        break;
    }
    return QStringLiteral("账本无法写入，没有记入任何内容：%1").arg(refusal.detail);
}

QString describeJournalReport(const JournalReport& report) {
    const QString file = QDir::toNativeSeparators(report.file);
    switch (report.trouble) {
    case JournalTrouble::NotAFile:
        return QStringLiteral("%1 不是一个文件，账本不会打开它。本次运行不记账。").arg(file);
    case JournalTrouble::NotAJournal:
        return QStringLiteral("%1 不是 Pelmora 的账本。它已原样移到 %2，并新建了一个空账本。")
            .arg(file, QDir::toNativeSeparators(report.keptAs));
    case JournalTrouble::FailedCheck:
        return QStringLiteral("账本 %1 已损坏。它已原样移到 %2，并新建了一个空账本。")
            .arg(file, QDir::toNativeSeparators(report.keptAs));
    case JournalTrouble::Newer:
        return QStringLiteral("账本 %1 来自更新版本的 Pelmora（第 %2 版），这里只能查看和导出。")
            .arg(file, QString::number(report.version));
    case JournalTrouble::ReadOnly:
        return QStringLiteral("账本 %1 不能写入，这里只能查看和导出。").arg(file);
    case JournalTrouble::CannotOpen:
        break;
    }
    return QStringLiteral("账本 %1 无法打开：%2").arg(file, report.detail);
}

QString describeValuationStop(ValuationStop stop) {
    switch (stop) {
    case ValuationStop::NothingHeld:
        return QStringLiteral("没有持仓。");
    case ValuationStop::PriceNotPositive:
        return QStringLiteral("现价须大于 0。");
    case ValuationStop::NoCosts:
    case ValuationStop::Overflow:
        break;
    }
    return QStringLiteral("在这个现价上无法精确计算。");
}

QString nothingToUndo() {
    return QStringLiteral("没有可以撤销的操作。");
}

QString nothingToRedo() {
    return QStringLiteral("没有可以重做的操作。");
}

QString describeRecordedCosts(const TradeCosts& costs) {
    QStringList parts;
    for (const Cost cost : kAllCosts) {
        const auto column = static_cast<TradeColumn>(static_cast<int>(TradeColumn::Commission) +
                                                     static_cast<int>(cost));
        parts << columnHeading(column) + u' ' + fromUtf8(costs.of(cost).fixedText(kFenDecimals));
    }
    const auto total = costs.total();
    return parts.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
           (total ? fromUtf8(total->fixedText(kFenDecimals)) : QString());
}

QString confirmRemoval(const JournalTrade& trade) {
    return QStringLiteral("删除 %1？").arg(tradeName(trade));
}

QString entryNotEditable(const JournalTrade& entry) {
    return QStringLiteral("%1 不能在这里修改，可以删除后重新记入。").arg(tradeName(entry));
}

QString costUnknownForTools() {
    return QStringLiteral(
        "这个持仓有未知成本的期初持仓，请先修改它，填入总成本，再在交易工具中打开。");
}

QString exportedTo(const QString& file, std::size_t trades) {
    return QStringLiteral("已把 %1 笔交易导出到 %2。")
        .arg(QString::number(trades), QDir::toNativeSeparators(file));
}

QString describeYears(const std::vector<YearFigures>& years) {
    QStringList lines;
    for (const YearFigures& year : years) {
        const auto costs = year.costs.total();
        lines << QStringLiteral("%1 年：已实现盈亏 %2，费用 %3（%4）")
                     .arg(QString::number(year.year),
                          fromUtf8(year.realized.fixedText(kFenDecimals)),
                          costs ? fromUtf8(costs->fixedText(kFenDecimals)) : QString(),
                          describeRecordedCosts(year.costs).section(QStringLiteral(" = "), 0, 0));
        // What the year's figure leaves out is said, not made up.
        if (year.unknownSales > 0) {
            lines.back() += QStringLiteral("；另有 %1 笔卖出成本未知，未计入")
                                .arg(QString::number(year.unknownSales));
        }
    }
    return lines.join(u'\n');
}

QString nothingToRecord() {
    return QStringLiteral("没有可记入账本的交易：请先填入买进数量和价格，或计算出要记入的结果。");
}

QString importNeedsEmptyJournal() {
    return QStringLiteral("只能导入到空账本：这个账本已有交易记录。");
}

QString describeCsvRefusal(const CsvRefusal& refusal) {
    const QString where = QStringLiteral("第 %1 行「%2」一栏的%3")
                              .arg(QString::number(refusal.line), fromUtf8(refusal.column),
                                   quotedForMessage(refusal.cell));
    switch (refusal.problem) {
    case CsvProblem::NotAFile:
        return QStringLiteral("这个名字不是一个文件，没有打开它。");
    case CsvProblem::TooLarge:
        return QStringLiteral("文件太大，不像是账本导出的文件，没有读取。");
    case CsvProblem::CannotRead:
        return QStringLiteral("文件无法读取：%1").arg(fromUtf8(refusal.cell));
    case CsvProblem::CannotWrite:
        return QStringLiteral("文件无法写入，什么也没有写：%1").arg(fromUtf8(refusal.cell));
    case CsvProblem::NotAnExport:
        return QStringLiteral("这个文件不是账本导出的文件，不会被覆盖。请另选一个文件名。");
    case CsvProblem::NoHeadings:
        return QStringLiteral("文件是空的。");
    case CsvProblem::UnknownHeading:
        return QStringLiteral("标题行里的「%1」不是账本的栏目。").arg(fromUtf8(refusal.column));
    case CsvProblem::RepeatedHeading:
        return QStringLiteral("标题行里的「%1」出现了两次。").arg(fromUtf8(refusal.column));
    case CsvProblem::MissingHeading:
        return QStringLiteral("标题行里缺少「%1」一栏。").arg(fromUtf8(refusal.column));
    case CsvProblem::BadQuoting:
        return QStringLiteral("第 %1 行的引号不成对。").arg(QString::number(refusal.line));
    case CsvProblem::NotUtf8:
        return QStringLiteral("第 %1 行不是 UTF-8 文字。").arg(QString::number(refusal.line));
    case CsvProblem::TooManyCells:
        return QStringLiteral("第 %1 行的栏目比标题行多。").arg(QString::number(refusal.line));
    case CsvProblem::Unreadable:
        return QStringLiteral("%1无法读取。").arg(where);
    case CsvProblem::DateInFuture:
        return QStringLiteral("%1晚于今天（北京时间）。").arg(where);
    case CsvProblem::CodeFitsNoKind:
        return QStringLiteral("%1不是本程序能计算的证券代码。").arg(where);
    case CsvProblem::NotWholePositive:
        return QStringLiteral("%1不是大于 0 的整数。").arg(where);
    case CsvProblem::NotPositive:
        return QStringLiteral("%1须大于 0。").arg(where);
    case CsvProblem::NegativeCost:
        return QStringLiteral("%1小于 0。").arg(where);
    case CsvProblem::NotForOpening:
        return QStringLiteral("%1：期初持仓没有价格和费用，它的总成本写在“金额”里。").arg(where);
    case CsvProblem::NotForEvent:
        return QStringLiteral("%1：红利、红利税、送股和转增没有价格和费用，红利税没有数量，"
                              "送股和转增没有金额。")
            .arg(where);
    case CsvProblem::AmountMismatch:
        return QStringLiteral("%1不等于数量乘价格。").arg(where);
    case CsvProblem::CostsMismatch:
        return QStringLiteral("%1不等于四项费用之和。").arg(where);
    case CsvProblem::Overflow:
        break;
    }
    return QStringLiteral("%1太大，无法精确计算。").arg(where);
}

QString describeImport(std::size_t trades) {
    return QStringLiteral("已导入 %1 笔交易。").arg(QString::number(trades));
}

} // namespace pelmora
