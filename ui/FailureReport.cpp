#include "ui/FailureReport.h"

#include "numbers/NumberText.h"
#include "ui/FieldControls.h"

namespace pelmora {
namespace {

// A pasted page of text in a box would make the message unreadable.
QString quoted(const std::string& text) {
    constexpr qsizetype kLongest = 24;
    QString shown = QString::fromStdString(text);
    if (shown.size() > kLongest) {
        const bool splitsPair = shown.at(kLongest - 1).isHighSurrogate();
        shown = shown.left(splitsPair ? kLongest - 1 : kLongest) + u'…';
    }
    return u'“' + shown + u'”';
}

QString bracketed(FieldId field) {
    return u'「' + fieldTitle(field) + u'」';
}

bool isTotal(FieldId field) {
    return field == FieldId::nrz || field == FieldId::yrz || field == FieldId::srz;
}

FailureReport unreadable(const UnreadableField& failure) {
    if (isInputField(failure.field)) {
        const QString problem =
            failure.text.empty()
                ? QStringLiteral("%1是空的，请填入一个数字。").arg(bracketed(failure.field))
                : QStringLiteral("%1里的%2不是数字，请改正后再按“计算”。")
                      .arg(bracketed(failure.field), quoted(failure.text));
        return {problem, failure.field};
    }
    // Result labels are read only by the calculations after the buy side, from its totals.
    if (failure.text.empty() && isTotal(failure.field)) {
        return {QStringLiteral("还没有买进的合计。请先在「买进」栏填好数量和价格，按买进的“计算”，"
                               "再按这个“计算”。"),
                std::nullopt};
    }
    return {QStringLiteral("%1里的%2不是数字。请先按买进的“计算”重新算出合计。")
                .arg(bracketed(failure.field), quoted(failure.text)),
            std::nullopt};
}

bool readsAsZero(const TradeFields& fields, FieldId field) {
    const std::optional<double> value = ToNumber(fields.text(field));
    return value && *value == 0.0;
}

// The input box a too-large result most likely comes from.
FieldId overflowSource(FieldId result) {
    for (int row = 1; row <= kBuyRows; ++row) {
        if (result == amountField(row) || result == feeField(row)) {
            return quantityField(row);
        }
    }
    switch (result) {
    case FieldId::sc:
    case FieldId::yc:
    case FieldId::lc:
    case FieldId::lcs:
        return FieldId::jc;
    case FieldId::Label3:
        return FieldId::scl;
    case FieldId::Label4:
        return FieldId::Text1;
    default:
        return FieldId::nr1;
    }
}

// The figure a division makes, as the user would ask for it.
QString dividedFigure(FieldId result) {
    return result == FieldId::Label4 ? QStringLiteral("预算的卖出价格") : fieldTitle(result);
}

// Only the average and the two break-even prices divide by anything but 100; their divisor is
// zero when there are no shares, or when a sell fee rate of 100 % leaves none after the fee.
FailureReport divisionByZero(FieldId result, const TradeFields& fields) {
    if (result == FieldId::jrp || readsAsZero(fields, FieldId::nrz)) {
        return {QStringLiteral("股票总数为 0，无法计算%1。请至少在一行填入买进数量，"
                               "再按买进的“计算”。")
                    .arg(dividedFigure(result)),
                FieldId::nr1};
    }
    return {QStringLiteral("卖出手续费率为 %1%，扣除手续费后没有剩下的股数，无法计算%2。")
                .arg(QString::fromStdString(fields.text(FieldId::scl)), dividedFigure(result)),
            FieldId::scl};
}

FailureReport stopped(const StoppedStep& failure, const TradeFields& fields) {
    if (failure.fault == ArithmeticFault::Overflow) {
        return {QStringLiteral("%1的结果太大，超出了能计算的范围。请检查填入的数字。")
                    .arg(bracketed(failure.result)),
                overflowSource(failure.result)};
    }
    return divisionByZero(failure.result, fields);
}

} // namespace

FailureReport describeFailure(const CalcFailure& failure, const TradeFields& fields) {
    if (const auto* field = std::get_if<UnreadableField>(&failure)) {
        return unreadable(*field);
    }
    return stopped(std::get<StoppedStep>(failure), fields);
}

QString describeLinkFailure(LinkFailure failure, const QUrl& address) {
    const QString why = failure == LinkFailure::NoOpener
                            ? QStringLiteral("没有找到可以打开网页的程序。")
                            : QStringLiteral("打开网页的程序报告了错误，网页没有打开。");
    return why + QStringLiteral("请把网址复制到浏览器里打开：\n%1").arg(address.toString());
}

} // namespace pelmora
