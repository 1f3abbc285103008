#include "ui/FailureReport.h"

#include "calc/FailureBlame.h"
#include "store/NumberQText.h"
#include "ui/CostWords.h"
#include "ui/FieldControls.h"
#include "ui/MessageQuote.h"
#include "ui/ReadingWords.h"

#include <QStringList>
#include <vector>

namespace pelmora {
namespace {

QString bracketed(FieldId field) {
    return u'「' + fieldTitle(field) + u'」';
}

bool isTotal(FieldId field) {
    return field == FieldId::nrz || field == FieldId::yrz || field == FieldId::srz;
}

// Names the inputs, in tab order: at most four, then "等".
QString listed(const std::vector<FieldId>& inputs) {
    constexpr std::size_t kNamed = 4;
    QString list;
    for (std::size_t i = 0; i < inputs.size() && i < kNamed; ++i) {
        list += bracketed(inputs[i]);
    }
    return inputs.size() > kNamed ? list + QStringLiteral("等") : list;
}

// The inputs among `fields`, in the order Tab visits them, which is the field table's.
std::vector<FieldId> inputsInTabOrder(const FieldSet& among) {
    std::vector<FieldId> inputs;
    for (const FieldId field : allFields()) {
        if (isInputField(field) && among.test(fieldIndex(field))) {
            inputs.push_back(field);
        }
    }
    return inputs;
}

QString unreadable(const UnreadableField& failure) {
    if (isInputField(failure.field)) {
        return unreadableText(bracketed(failure.field), failure.text, failure.reason);
    }
    // Result labels are read only by the calculations after the buy side, from its totals.
    if (failure.text.empty() && isTotal(failure.field)) {
        return QStringLiteral("还没有买进的合计。请先在「买进」栏填好数量和价格，按买进的“计算”，"
                              "再按这个“计算”。");
    }
    return QStringLiteral("%1里的%2不是数字。请先按买进的“计算”重新算出合计。")
        .arg(bracketed(failure.field), quotedForMessage(failure.text));
}

// The figure a division makes, as the user would ask for it.
QString dividedFigure(FieldId result) {
    return result == FieldId::Label4 ? QStringLiteral("预算的卖出价格") : fieldTitle(result);
}

QString rateShown(const CalcFailure& failure) {
    return failure.sellRatePercent ? numberQText(*failure.sellRatePercent) : QStringLiteral("?");
}

// Only the average and the two sell prices divide by anything but 100; their divisor is zero
// when there are no shares, or when a sell fee rate of 100 % leaves none after the fee.
QString divisionByZero(const StoppedStep& step, const CalcFailure& failure) {
    if (failure.focus == FieldId::nr1) {
        return QStringLiteral("%1为 0，无法计算%2。请至少在一行填入买进数量，"
                              "再按买进的“计算”。")
            .arg(fieldTitle(FieldId::nrz), dividedFigure(step.result));
    }
    return QStringLiteral("卖出手续费率为 %1%，扣除手续费后没有剩下的股数，无法计算%2。")
        .arg(rateShown(failure), dividedFigure(step.result));
}

QString beyondRange(const StoppedStep& step, const CalcFailure& failure) {
    const std::vector<FieldId> inputs = inputsInTabOrder(inputsAt(step.operands));
    const QString computing =
        step.fault == ArithmeticFault::TooManyDecimals
            ? QStringLiteral("%1的结果小数位太多，超出了能精确计算的范围。")
                  .arg(bracketed(step.result))
            : QStringLiteral("%1的结果太大，超出了能计算的范围。").arg(bracketed(step.result));
    if (!failure.focus) {
        return computing + QStringLiteral("请检查填入的数字和费用设置。");
    }
    return computing + QStringLiteral("它由%1算出，请检查%2里的数字。")
                           .arg(listed(inputs), bracketed(*failure.focus));
}

// The sell fee rate and the costs of the full-cost mode take the whole sale.
QString noSellPrice(const NoSellPrice& cause, const CalcFailure& failure) {
    QStringList rates{QStringLiteral("卖出手续费率 %1%").arg(rateShown(failure))};
    for (const Levy& levy : cause.levies) {
        // The exchange's fees are named without their rate, which the settings window shows.
        rates.push_back(
            levy.cost == Cost::ExchangeFees
                ? costName(levy.cost)
                : QStringLiteral("%1 %2%").arg(costName(levy.cost), numberQText(levy.percent)));
    }
    return QStringLiteral("%1加起来达到 100% 或更多，卖出所得不够付这些费用，没有能达到的%2。"
                          "请检查%3和费用设置。")
        .arg(rates.join(QStringLiteral("、")), dividedFigure(cause.result),
             bracketed(FieldId::scl));
}

// The totals are there, but from before the mode or a cost was changed: like missing totals, the
// buy side's Calculate button is the one to press.
QString outdatedBuyTotals() {
    return QStringLiteral("费用设置改过了，买进的合计还是按原来的设置算的。"
                          "请先按买进的“计算”重新算出合计，再按这个“计算”。");
}

QString words(const CalcFailure& failure) {
    if (const auto* field = std::get_if<UnreadableField>(&failure.cause)) {
        return unreadable(*field);
    }
    if (const auto* noPrice = std::get_if<NoSellPrice>(&failure.cause)) {
        return noSellPrice(*noPrice, failure);
    }
    if (std::holds_alternative<OutdatedBuyTotals>(failure.cause)) {
        return outdatedBuyTotals();
    }
    const auto& step = std::get<StoppedStep>(failure.cause);
    if (step.fault == ArithmeticFault::Overflow || step.fault == ArithmeticFault::TooManyDecimals) {
        return beyondRange(step, failure);
    }
    return divisionByZero(step, failure);
}

} // namespace

QString calculationFailureTitle() {
    return QStringLiteral("无法计算");
}

FailureReport describeFailure(const CalcFailure& failure) {
    return {words(failure), failure.focus};
}

} // namespace pelmora
