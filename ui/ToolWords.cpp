#include "ui/ToolWords.h"

#include "design/TradeToolsWindowDesign.h"
#include "ui/CostWords.h"
#include "ui/FieldControls.h"
#include "ui/MessageQuote.h"
#include "ui/Placement.h"
#include "ui/ReadingWords.h"
#include "ui/SearchWords.h"

#include <QStringList>

namespace pelmora {
namespace {

QString bracketed(ToolField field) {
    return u'「' + toolFieldTitle(field) + u'」';
}

// A goal that no price or quantity within the tools' reach attains.
QString outOfReach(const ToolFailure& failure) {
    const QString field = bracketed(failure.field);
    const QString quoted = quotedForMessage(failure.text);
    switch (failure.problem) {
    case ToolProblem::MoreThanMostShares:
        return QStringLiteral("按%1，买到 %2 股也达不到%3。请把目标成本定得高一些。")
            .arg(quoted, QString::number(kMostShares), field);
    case ToolProblem::BelowLowest:
        return QStringLiteral("买回价低到最小报价单位也达不到%1里的%2。请把目标收益定得低一些。")
            .arg(field, quoted);
    default:
        break;
    }
    if (failure.field == ToolField::RoundTripGoal) {
        return QStringLiteral("价格到 %1 也达不到%2里的%3。请把目标收益定得低一些。")
            .arg(QString::number(kHighestPrice), field, quoted);
    }
    return QStringLiteral("价格到 %1 也无法保本。请检查%2里的%3。")
        .arg(QString::number(kHighestPrice), field, quoted);
}

// A break-even price as the tooltip of its empty box calls what was sought.
QString soughtPrice(ToolResult price) {
    switch (price) {
    case ToolResult::BreakEvenSell:
        return QStringLiteral("卖出价");
    case ToolResult::BreakEvenBuyBack:
        return QStringLiteral("买回价");
    default:
        break;
    }
    return fromUtf8(toolResult(price).heading);
}

bool isRate(ToolField field) {
    return field == ToolField::BuyRate || field == ToolField::SellRate;
}

} // namespace

QString toolFieldTitle(ToolField field) {
    if (field == ToolField::BuyRate) {
        return fieldTitle(FieldId::srl);
    }
    if (field == ToolField::SellRate) {
        return fieldTitle(FieldId::scl);
    }
    const ToolControl& box = toolBox(field);
    return fromUtf8(toolPanel(box.panel).caption) + u' ' + fromUtf8(box.heading);
}

QString alreadyCovered() {
    return QStringLiteral("已保本");
}

QString fewerShares(const QuantityAndCost& fewer) {
    return QStringLiteral("%1股 %2").arg(
        QString::number(fewer.quantity),
        QString::fromStdString(fewer.cost.fixedText(kCostPerShareDecimals)));
}

QString fewerSharesTip(const QuantityAndCost& fewer, const QString& target) {
    return QStringLiteral("少买一档：买 %1 股，补仓后成本为 %2，达不到目标成本%3。")
        .arg(QString::number(fewer.quantity),
             QString::fromStdString(fewer.cost.fixedText(kCostPerShareDecimals)), target);
}

QString offTheStep(ToolField field, const QString& typed, const Decimal& step, int decimals) {
    const ToolControl& box = toolBox(field);
    return QStringLiteral("%1 %2 不在最小报价单位 %3 上，按填入的价格计算。")
        .arg(fromUtf8(box.heading), typed, QString::fromStdString(step.fixedText(decimals)));
}

QString missedPrice(const SolvedPrice& solved, ToolResult price, const QString& goal,
                    const Decimal& step, int decimals) {
    const QString reached =
        goal.isEmpty() ? QStringLiteral("保本") : QStringLiteral("目标收益") + goal;
    return searchMissed(solved.end, soughtPrice(price), reached, step, decimals);
}

QString describeRoundTrip(const RoundTripResult& result) {
    return QStringLiteral("买入金额 %1：%2\n卖出金额 %3：%4")
        .arg(moneyText(result.buy.amount), describeCosts(result.buy), moneyText(result.sell.amount),
             describeCosts(result.sell));
}

QString describeBreakEven(const Decimal& step, int decimals, const QString& meaning) {
    return QStringLiteral("按最小报价单位 %1，计入所有费用：%2")
        .arg(QString::fromStdString(step.fixedText(decimals)), meaning);
}

// Prices that reach a goal need not be one unbroken range (a cost can round up a fen one step
// higher), so the words say least or greatest, not "from here on".
QString breakEvenSellMeaning(const QString& goal) {
    return QStringLiteral("先买后卖，收益不少于目标收益%1的最低卖出价。").arg(goal);
}

QString breakEvenBuyBackMeaning(const QString& goal) {
    return QStringLiteral("先卖后买，收益不少于目标收益%1的最高买回价。").arg(goal);
}

QString breakEvenRestMeaning() {
    return QStringLiteral("剩余股数全部卖出后，整笔持仓不亏损的最低卖出价。");
}

QString describeToolFailure(const ToolFailure& failure) {
    const QString field = bracketed(failure.field);
    const QString quoted = quotedForMessage(failure.text);
    switch (failure.problem) {
    case ToolProblem::Unreadable:
        return unreadableText(field, failure.text, failure.reason);
    case ToolProblem::NotWholePositive:
        return QStringLiteral("%1里的%2不是大于 0 的整数股数。请填入整数股数。").arg(field, quoted);
    case ToolProblem::PriceNotPositive:
        return QStringLiteral("%1里的%2不大于 0。请填入大于 0 的价格。").arg(field, quoted);
    case ToolProblem::NegativeRate:
        return QStringLiteral("%1里的%2小于 0，手续费率不能为负数。请改正后再按“计算”。")
            .arg(field, quoted);
    case ToolProblem::RatesTakeAll:
        return QStringLiteral("%1里的%2和印花税等费用加起来达到 100% 或更多，卖出所得不够付"
                              "这些费用。请检查%1和费用设置。")
            .arg(field, quoted);
    case ToolProblem::NoPrice:
        return QStringLiteral("%1和%2都是空的。请至少填入其中一个价格，空着的那个会算出保本价。")
            .arg(bracketed(ToolField::RoundTripBuyPrice), bracketed(ToolField::RoundTripSellPrice));
    case ToolProblem::TargetNotBetween:
        return QStringLiteral("%1里的%2不在补仓价和成本价之间。目标成本要低于「补仓 成本价」、"
                              "高于「补仓 补仓价」。")
            .arg(field, quoted);
    case ToolProblem::AboveHighest:
    case ToolProblem::BelowLowest:
    case ToolProblem::MoreThanMostShares:
        return outOfReach(failure);
    case ToolProblem::SellingMoreThanHeld:
        return QStringLiteral("%1里的%2多于「减仓 持仓数量」。卖出的股数不能超过持有的股数。")
            .arg(field, quoted);
    case ToolProblem::SellingNone:
        return QStringLiteral("%1里的%2不大于 0。请填入要卖出的股数。").arg(field, quoted);
    case ToolProblem::SellingPartOfShare:
        return QStringLiteral("%1里的%2不是整数股。请填入整数股数。").arg(field, quoted);
    case ToolProblem::Overflow:
        return QStringLiteral("%1里的%2太大，算出的数字超出了能计算的范围。请改小后再按“计算”。")
            .arg(field, quoted);
    case ToolProblem::TooManyDecimals:
        return QStringLiteral("%1里的%2小数位太多，算出的数字超出了能精确计算的位数。"
                              "请改短后再按“计算”。")
            .arg(field, quoted);
    case ToolProblem::TooManyToTry:
        // A rate box is the one to check; any other box is checked with the rates.
        return (isRate(failure.field)
                    ? QStringLiteral(
                          "要逐一试算的价格或股数超过 %3 个，算不出结果。请检查%1里的%2。")
                    : QStringLiteral("要逐一试算的价格或股数超过 %3 个，算不出结果。请检查%1里的%2"
                                     "和手续费率。"))
            .arg(field, quoted, QString::number(kMostTries));
    }
    return {};
}

} // namespace pelmora
