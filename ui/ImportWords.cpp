#include "ui/ImportWords.h"

#include "design/JournalTables.h"
#include "design/ReconcileTables.h"
#include "statement/StatementWords.h"
#include "ui/Placement.h"

namespace pelmora {
namespace {

QString yuan(const Decimal& value) {
    return fromUtf8(value.fixedText(kFenDecimals));
}

// A rate as the settings keep it, in percent, with no trailing zeros.
QString percentText(const Decimal& percent) {
    QString text = fromUtf8(percent.fixedText(percent.scale()));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) {
            text.chop(1);
        }
        if (text.endsWith(u'.')) {
            text.chop(1);
        }
    }
    return text + u'%';
}

QString yesNo(bool yes) {
    return yes ? QStringLiteral("是") : QStringLiteral("否");
}

// One side of a year's totals: each cost charged more or less, "佣金 多收 12.37 元".
QStringList discrepancyParts(const Discrepancy& discrepancy) {
    QStringList parts;
    for (const Cost cost : kAllCosts) {
        for (const auto& [sum, word] : {std::pair{&discrepancy.more, chargedMoreWord()},
                                        std::pair{&discrepancy.less, chargedLessWord()}}) {
            if (sum->of(cost).sign() != 0) {
                parts << QStringLiteral("%1 %2 %3 元")
                             .arg(fromUtf8(costWord(cost)), word, yuan(sum->of(cost)));
            }
        }
    }
    return parts;
}

} // namespace

QString importStatementsCaption() {
    return QStringLiteral("导入对账单(&I)");
}

QString importStatementsTitle() {
    return QStringLiteral("导入对账单");
}

QString importStatementsDescription() {
    return QStringLiteral("导入券商的交割单或对账单，先预览再写入账本；"
                          "也可以导入本账本导出的 CSV 文件（Ctrl+I）");
}

QString statementFileFilters() {
    return QStringLiteral("对账单 (*.txt *.xls *.xlsx *.csv);;所有文件 (*)");
}

QString statementRefused(const QString& file, const StatementRefusal& refusal) {
    return file + QStringLiteral("：") + fromUtf8(refusalWords(refusal));
}

QString noStatementImported(const QStringList& refusals) {
    return refusals.join(u'\n') + u'\n' +
           QStringLiteral("有 %1 个文件无法导入：全部没有导入，账本没有改变。")
               .arg(refusals.size());
}

QString statementTooLarge(const QString& file, std::size_t row) {
    return QStringLiteral("%1：第 %2 行所在订单的金额太大，无法精确计算；没有导入。")
        .arg(file)
        .arg(row);
}

QString statementFileLine(const QString& file, const QString& encoding, const QString& format,
                          std::size_t toAdd, std::size_t held, std::size_t skipped) {
    return QStringLiteral("%1：%2，%3；%4 笔记入账本，%5 笔已导入，%6 行跳过")
        .arg(file, encoding, format)
        .arg(toAdd)
        .arg(held)
        .arg(skipped);
}

QString importColumnHeading() {
    return QStringLiteral("导入");
}

QString rowColumnHeading() {
    return QStringLiteral("行");
}

QString differenceColumnHeading() {
    return QStringLiteral("差额");
}

QString noteColumnHeading() {
    return QStringLiteral("说明");
}

QString willImportWord() {
    return QStringLiteral("导入");
}

QString heldAlreadyWord() {
    return QStringLiteral("已导入");
}

QString skippedWord() {
    return QStringLiteral("跳过");
}

QString leftOutWord() {
    return QStringLiteral("不导入");
}

QString importChoiceText(bool imported) {
    return imported ? QStringLiteral("导入：是") : QStringLiteral("导入：否");
}

QString problemImportedNote(const QString& problem) {
    return problem + QStringLiteral("，照对账单导入");
}

QString openingNeededNote(const OpeningNeed& need) {
    return QStringLiteral("卖出前账本中没有足够的 %1：按期初持仓 %2 股导入，总成本在下面填写")
        .arg(fromUtf8(need.code))
        .arg(need.shares);
}

QString openingsHeading() {
    return QStringLiteral("期初持仓：卖出的股份在账本中没有买入记录，请填写它们的总成本（可留空）");
}

QString openingBoxLabel(const OpeningNeed& need) {
    return QStringLiteral("%1 %2：%3 股，总成本（元）")
        .arg(fromUtf8(need.code), fromUtf8(need.name))
        .arg(need.shares)
        .simplified();
}

QString openingBoxName(const OpeningNeed& need) {
    return QStringLiteral("%1 期初持仓的总成本").arg(fromUtf8(need.code));
}

QString issuePriceBoxLabel(const JournalTrade& issue) {
    return QStringLiteral("%1 %2：新股 %3 股，发行价（元）")
        .arg(fromUtf8(issue.code), fromUtf8(issue.name))
        .arg(issue.quantity)
        .simplified();
}

QString issuePriceBoxName(const JournalTrade& issue) {
    return QStringLiteral("%1 新股的发行价").arg(fromUtf8(issue.code));
}

QString issuePriceRefused(const JournalTrade& issue, const QString& why) {
    return QStringLiteral("%1：%2没有导入。").arg(issuePriceBoxName(issue), why);
}

QString openingCostPlaceholder() {
    return fromUtf8(kUnknownCostWord);
}

QString openingCostRefused(const OpeningNeed& need, const QString& why) {
    return QStringLiteral("%1：%2没有导入。").arg(openingBoxName(need), why);
}

QString tradesPageCaption() {
    return QStringLiteral("交易(&T)");
}

QString reconcilePageCaption() {
    return QStringLiteral("对账(&R)");
}

QString dividendsPageCaption() {
    return QStringLiteral("红利(&D)");
}

QString importButtonCaption() {
    return QStringLiteral("导入(&I)");
}

QString cancelButtonCaption() {
    return QStringLiteral("取消");
}

QString takeFitCaption() {
    return QStringLiteral("采用推算的佣金(&A)");
}

QString journalReadOnlyForImport() {
    return QStringLiteral("账本以只读方式打开，不能导入；这里只能查看。");
}

QString nothingNewToImport() {
    return QStringLiteral("没有要记入账本的新记录：对账单中的记录都已导入或没有选中。");
}

QString statementImported(std::size_t entries) {
    return QStringLiteral("已从对账单记入 %1 条记录。").arg(entries);
}

QString entriesWillBeWritten(std::size_t entries, std::size_t openings) {
    return openings == 0 ? QStringLiteral("按“导入”记入 %1 条记录。").arg(entries)
                         : QStringLiteral("按“导入”记入 %1 条记录，其中 %2 条期初持仓。")
                               .arg(entries)
                               .arg(openings);
}

QString differencesHeading() {
    return QStringLiteral("对账单的费用与程序按账本佣金计算的不同（差额 = 对账单 − 重算）");
}

QString fitsHeading() {
    return QStringLiteral("从对账单推算的佣金");
}

QString defaultFeesWord() {
    return QStringLiteral("默认费率");
}

QString chargedMoreWord() {
    return QStringLiteral("多收");
}

QString chargedLessWord() {
    return QStringLiteral("少收");
}

QString markedDifference(const Decimal& difference) {
    return QStringLiteral("%1 %2 元")
        .arg(difference.sign() > 0 ? chargedMoreWord() : chargedLessWord(),
             yuan(difference.sign() < 0 ? difference.negated() : difference));
}

QString describeYearTotals(const YearTotals& year) {
    QString line = QStringLiteral("%1 年：").arg(static_cast<int>(year.year));
    const QStringList counted = discrepancyParts(year.counted);
    line += counted.isEmpty() ? QStringLiteral("没有差额") : counted.join(QStringLiteral("，"));
    const QStringList apart = discrepancyParts(year.atDefaultFees);
    if (!apart.isEmpty()) {
        line += QStringLiteral("；%1（不计入上面的合计）：%2")
                    .arg(defaultFeesWord(), apart.join(QStringLiteral("，")));
    }
    return line;
}

QString noOrderToReconcile() {
    return QStringLiteral("对账单中没有可以对账的买卖。");
}

QString noFittedCommission() {
    return QStringLiteral("对账单的订单推算不出佣金费率。");
}

QString confirmFittedCommission(const JournalCommission& was, const JournalCommission& now) {
    return QStringLiteral("账本的佣金改为从对账单推算的：\n"
                          "买入佣金 %1 → %2\n卖出佣金 %3 → %4\n最低佣金 %5 → %6 元\n"
                          "规费另收 %7 → %8\n\n采用吗？")
        .arg(percentText(was.buyPercent), percentText(now.buyPercent), percentText(was.sellPercent),
             percentText(now.sellPercent), yuan(was.minimum), yuan(now.minimum),
             yesNo(was.levies.exchangeFees), yesNo(now.levies.exchangeFees));
}

QString fittedCommissionTaken() {
    return QStringLiteral("已采用推算的佣金；对账按新的佣金重算。");
}

QString fittedCommissionInUse() {
    return QStringLiteral("账本的佣金与推算的一致。");
}

QString dividendsHeading() {
    return QStringLiteral("对账单中的红利、红利税和送转股，以及卖出时预计补缴的红利税");
}

QString expectedTaxHeading() {
    return QStringLiteral("应补税");
}

} // namespace pelmora
