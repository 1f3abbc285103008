#include "ui/FailureReport.h"

#include "calc/Calculations.h"
#include "numbers/NumberText.h"
#include "platform/NumberQText.h"
#include "ui/FieldControls.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

// Characters that steer the direction of the text after them; a pasted one must not turn the
// rest of a sentence around.
bool steersDirection(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

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
        return {QStringLiteral("股票总数为 0，无法计算%1。请至少在一行填入买进数量，"
                               "再按买进的“计算”。")
                    .arg(dividedFigure(result)),
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
FailureReport noSellPrice(const NoSellPrice& failure, const TradeFields& fields,
                          const CalcSettings& /*settings*/) {
    const std::optional<double> rate = numberIn(fields, FieldId::scl);
    QStringList rates{
        QStringLiteral("卖出手续费率 %1%").arg(rate ? numberQText(*rate) : QStringLiteral("?"))};
    for (const Levy& levy : failure.levies) {
        switch (levy.cost) {
        case Cost::StampDuty:
            rates.push_back(QStringLiteral("印花税 %1%").arg(numberQText(levy.percent)));
            break;
        case Cost::TransferFee:
            rates.push_back(QStringLiteral("过户费 %1%").arg(numberQText(levy.percent)));
            break;
        case Cost::ExchangeFees:
            rates.push_back(QStringLiteral("规费"));
            break;
        case Cost::Commission: // never a levy: its rate is the one listed first
            break;
        }
    }
    return {QStringLiteral("%1加起来达到 100% 或更多，卖出所得不够付这些费用，没有能达到的%2。"
                           "请检查「卖出 手续费 %」和费用设置。")
                .arg(rates.join(QStringLiteral("、")), dividedFigure(failure.result)),
            FieldId::scl};
}

} // namespace

QString describeRefusedSetting(const QString& name, const std::string& text, SettingRefusal refusal,
                               double kept) {
    const QString field = u'「' + name + u'」';
    const QString keeping = QStringLiteral("仍用原来的 %1。").arg(numberQText(kept));
    switch (refusal) {
    case SettingRefusal::DecimalComma:
        return QStringLiteral("%1里的%2带有逗号，这里的小数点是“.”。")
                   .arg(field, quotedForMessage(text)) +
               keeping;
    case SettingRefusal::Negative:
        return QStringLiteral("%1不能是负数。").arg(field) + keeping;
    case SettingRefusal::TooLarge:
        return QStringLiteral("%1是百分比，必须小于 100。").arg(field) + keeping;
    case SettingRefusal::NotANumber:
        break;
    }
    return (text.empty()
                ? QStringLiteral("%1是空的。").arg(field)
                : QStringLiteral("%1里的%2不是数字。").arg(field, quotedForMessage(text))) +
           keeping;
}

QString quotedForMessage(const std::string& text) {
    constexpr qsizetype kLongest = 24;
    QString shown;
    qsizetype kept = 0;
    bool cut = false;
    for (const char32_t c : QString::fromStdString(text).toUcs4()) {
        if (steersDirection(c)) {
            continue;
        }
        const QString character = QChar::category(c) == QChar::Other_Control
                                      ? QStringLiteral(" ")
                                      : QString::fromUcs4(&c, 1);
        if (kept + character.size() > kLongest) {
            cut = true;
            break;
        }
        shown += character;
        kept += character.size();
    }
    // Isolated, quotes and all, so that a right-to-left text keeps its direction to itself.
    return QStringLiteral("\u2068“%1%2”\u2069").arg(shown, cut ? QStringLiteral("…") : QString());
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

FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields,
                              const CalcSettings& settings) {
    if (const auto* field = std::get_if<UnreadableField>(&failure)) {
        return unreadable(*field);
    }
    if (const auto* noPrice = std::get_if<NoSellPrice>(&failure)) {
        return noSellPrice(*noPrice, fields, settings);
    }
    const auto& stopped = std::get<StoppedStep>(failure);
    if (stopped.fault == ArithmeticFault::Overflow) {
        return overflow(stopped, fields);
    }
    return divisionByZero(stopped.result, fields);
}

QString describeStoreTrouble(StoreTrouble trouble, const SettingsStore& store) {
    if (trouble == StoreTrouble::Damaged) {
        return QStringLiteral("费用设置的文件无法读取，已改用默认设置。原来的文件已改名为：\n%1")
            .arg(store.setAsideName());
    }
    return QStringLiteral("费用设置无法保存，程序结束后不会记住这次的更改。设置文件：\n%1")
        .arg(store.fileName());
}

QString describeLinkFailure(LinkFailure failure, const QUrl& address) {
    const QString why = failure == LinkFailure::NoOpener
                            ? QStringLiteral("没有找到可以打开网页的程序。")
                            : QStringLiteral("打开网页的程序报告了错误，网页没有打开。");
    return why + QStringLiteral("请把网址复制到浏览器里打开：\n%1").arg(address.toString());
}

} // namespace pelmora
