#include "ui/FailureReport.h"

#include "calc/Calculations.h"
#include "numbers/NumberText.h"
#include "platform/NumberQText.h"
#include "ui/CostWords.h"
#include "ui/FieldControls.h"
#include "ui/MessageQuote.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

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

// The text boxes in the order Tab visits them.
std::vector<FieldId> inputsInTabOrder(const FieldSet& among) {
    std::vector<FieldId> inputs;
    for (const FieldControl& control : kFieldControls) {
        if (control.tabIndex >= 0 && among.test(fieldIndex(control.field))) {
            inputs.push_back(control.field);
        }
    }
    std::sort(inputs.begin(), inputs.end(), [](FieldId a, FieldId b) {
        return fieldControl(a).tabIndex < fieldControl(b).tabIndex;
    });
    return inputs;
}

FailureReport unreadable(const UnreadableField& failure) {
    if (isInputField(failure.field)) {
        if (failure.reason == Unreadable::DecimalComma) {
            return {QStringLiteral("%1里的%2带有逗号。这里的小数点是“.”，例如 8.888；"
                                   "请改正后再按“计算”。")
                        .arg(bracketed(failure.field), quotedForMessage(failure.text)),
                    failure.field};
        }
        if (failure.reason == Unreadable::TooLarge) {
            return {QStringLiteral("%1里的%2太大，超出了能计算的范围。请改小后再按“计算”。")
                        .arg(bracketed(failure.field), quotedForMessage(failure.text)),
                    failure.field};
        }
        const QString problem =
            failure.text.empty()
                ? QStringLiteral("%1是空的，请填入一个数字。").arg(bracketed(failure.field))
                : QStringLiteral("%1里的%2不是数字，请改正后再按“计算”。")
                      .arg(bracketed(failure.field), quotedForMessage(failure.text));
        return {problem, failure.field};
    }
    // Result labels are read only by the calculations after the buy side, from its totals.
    if (failure.text.empty() && isTotal(failure.field)) {
        return {QStringLiteral("还没有买进的合计。请先在「买进」栏填好数量和价格，按买进的“计算”，"
                               "再按这个“计算”。"),
                std::nullopt};
    }
    return {QStringLiteral("%1里的%2不是数字。请先按买进的“计算”重新算出合计。")
                .arg(bracketed(failure.field), quotedForMessage(failure.text)),
            std::nullopt};
}

std::optional<double> numberIn(const TradeFields& fields, FieldId field) {
    return ToNumber(fields.text(field));
}

// The figure a division makes, as the user would ask for it.
QString dividedFigure(FieldId result) {
    return result == FieldId::Label4 ? QStringLiteral("预算的卖出价格") : fieldTitle(result);
}

// Only the average and the two sell prices divide by anything but 100; their divisor is zero
// when there are no shares, or when a sell fee rate of 100 % leaves none after the fee.
FailureReport divisionByZero(FieldId result, const TradeFields& fields) {
    const std::optional<double> shares = numberIn(fields, FieldId::nrz);
    if (result == FieldId::jrp || (shares && *shares == 0.0)) {
        return {QStringLiteral("%1为 0，无法计算%2。请至少在一行填入买进数量，"
                               "再按买进的“计算”。")
                    .arg(fieldTitle(FieldId::nrz), dividedFigure(result)),
                FieldId::nr1};
    }
    // The rate was read as a number by the step that stopped, so it is shown as one.
    const std::optional<double> rate = numberIn(fields, FieldId::scl);
    const QString shown = rate ? numberQText(*rate) : QStringLiteral("100");
    return {QStringLiteral("卖出手续费率为 %1%，扣除手续费后没有剩下的股数，无法计算%2。")
                .arg(shown, dividedFigure(result)),
            FieldId::scl};
}

FailureReport overflow(const StoppedStep& failure, const TradeFields& fields) {
    const std::vector<FieldId> inputs = inputsInTabOrder(inputsAt(failure.operands));
    const std::optional<FieldId> culprit = inputAtFault(failure.operands, fields);
    const QString computing =
        QStringLiteral("%1的结果太大，超出了能计算的范围。").arg(bracketed(failure.result));
    if (!culprit) {
        return {computing + QStringLiteral("请检查填入的数字。"), std::nullopt};
    }
    return {computing + QStringLiteral("它由%1算出，请检查%2里的数字。")
                            .arg(listed(inputs), bracketed(*culprit)),
            culprit};
}

// The sell fee rate and the costs of the full-cost mode take the whole sale.
FailureReport noSellPrice(const NoSellPrice& failure, const TradeFields& fields) {
    const std::optional<double> rate = numberIn(fields, FieldId::scl);
    QStringList rates{
        QStringLiteral("卖出手续费率 %1%").arg(rate ? numberQText(*rate) : QStringLiteral("?"))};
    for (const Levy& levy : failure.levies) {
        // The exchange's fees are named without their rate, which the settings window shows.
        rates.push_back(
            levy.cost == Cost::ExchangeFees
                ? costName(levy.cost)
                : QStringLiteral("%1 %2%").arg(costName(levy.cost), numberQText(levy.percent)));
    }
    return {QStringLiteral("%1加起来达到 100% 或更多，卖出所得不够付这些费用，没有能达到的%2。"
                           "请检查%3和费用设置。")
                .arg(rates.join(QStringLiteral("、")), dividedFigure(failure.result),
                     bracketed(FieldId::scl)),
            FieldId::scl};
}

// The totals are there, but from before the mode or a cost was changed: like missing totals, the
// buy side's Calculate button is the one to press.
FailureReport outdatedBuyTotals() {
    return {QStringLiteral("费用设置改过了，买进的合计还是按原来的设置算的。"
                           "请先按买进的“计算”重新算出合计，再按这个“计算”。"),
            std::nullopt};
}

} // namespace

QString calculationFailureTitle() {
    return QStringLiteral("无法计算");
}

FieldSet inputsAt(const FieldSet& operands) {
    FieldSet inputs;
    for (const FieldId field : allFields()) {
        if (operands.test(fieldIndex(field))) {
            inputs |= inputsBehind(field);
        }
    }
    return inputs;
}

std::optional<FieldId> inputAtFault(const FieldSet& operands, const TradeFields& fields) {
    std::optional<FieldId> largest;
    double largestMagnitude = -1;
    for (const FieldId field : inputsInTabOrder(inputsAt(operands))) {
        const std::optional<double> value = numberIn(fields, field);
        const double magnitude = value ? std::fabs(*value) : -1;
        // Strictly larger, so that a tie goes to the first in tab order.
        if (!largest || magnitude > largestMagnitude) {
            largest = field;
            largestMagnitude = magnitude;
        }
    }
    return largest;
}

FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields) {
    if (const auto* field = std::get_if<UnreadableField>(&failure)) {
        return unreadable(*field);
    }
    if (const auto* noPrice = std::get_if<NoSellPrice>(&failure)) {
        return noSellPrice(*noPrice, fields);
    }
    if (std::holds_alternative<OutdatedBuyTotals>(failure)) {
        return outdatedBuyTotals();
    }
    const auto& stopped = std::get<StoppedStep>(failure);
    if (stopped.fault == ArithmeticFault::Overflow) {
        return overflow(stopped, fields);
    }
    return divisionByZero(stopped.result, fields);
}

} // namespace pelmora
