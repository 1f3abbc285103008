#include "ui/CostWords.h"

#include "platform/NumberQText.h"

#include <QStringList>

namespace pelmora {
namespace {

// Money to the fen, as a broker's statement writes it.
QString yuan(double amount) {
    return QString::number(amount, 'f', 2);
}

QString rate(double percent) {
    return numberQText(percent) + u'%';
}

} // namespace

QString costName(Cost cost) {
    switch (cost) {
    case Cost::Commission:
        return QStringLiteral("佣金");
    case Cost::StampDuty:
        return QStringLiteral("印花税");
    case Cost::TransferFee:
        return QStringLiteral("过户费");
    case Cost::ExchangeFees:
        return QStringLiteral("规费");
    }
    return {};
}

QString productName(Product product) {
    return product == Product::Shares ? QStringLiteral("股票") : QStringLiteral("基金");
}

QString describeFee(const FeeBreakdown& fee) {
    if (fee.costs.empty()) {
        return {}; // a row that bought nothing
    }
    QStringList parts;
    double total = 0;
    for (const auto& [cost, amount] : fee.costs) {
        parts.push_back(costName(cost) + u' ' + yuan(amount));
        total += amount;
    }
    return parts.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + yuan(total);
}

QString describePriceOnTheStep(const PriceOnTheStep& price) {
    const QString goal = price.field == FieldId::Label4
                             ? QStringLiteral("预算 %1 ").arg(numberQText(price.goal))
                             : QStringLiteral(" %1 ").arg(numberQText(price.goal));
    return QStringLiteral("按最小报价单位 %1：%2\n"
                          "这是全部卖出、计入所有费用后，实际利润不少于%3的最低价格。")
        .arg(QString::number(price.step, 'f', price.decimals),
             QString::number(price.price, 'f', price.decimals), goal);
}

QString describeFullCost(const FullCost& costs) {
    const bool shares = costs.product == Product::Shares;
    QStringList lines{
        QStringLiteral("完整费用（%1）").arg(productName(costs.product)),
        costs.minimumCommission > 0
            ? QStringLiteral("最低佣金 %1 元").arg(numberQText(costs.minimumCommission))
            : QStringLiteral("佣金不设最低（免五）"),
    };
    if (shares) {
        lines.push_back(QStringLiteral("%1 %2（卖出）")
                            .arg(costName(Cost::StampDuty), rate(costs.stampDutyPercent)));
        lines.push_back(QStringLiteral("%1 %2（买卖）")
                            .arg(costName(Cost::TransferFee), rate(costs.transferFeePercent)));
    } else {
        lines.push_back(QStringLiteral("基金不收印花税和过户费"));
    }
    lines.push_back(
        costs.exchangeFees
            ? QStringLiteral("另收规费 %1（买卖）").arg(rate(exchangeFeesPercent(costs.product)))
            : QStringLiteral("规费已含在佣金里"));
    return lines.join(u'\n');
}

QString breakEvenHelp() {
    return QStringLiteral("只按卖出手续费率计算，不计卖出手续费最低 %1 元。\n"
                          "费用设置（齿轮）里打开完整费用，会计入最低佣金、印花税和过户费。")
        .arg(numberQText(kCommissionOnlyMinimum));
}

QString exchangeFeesRemark(Product product) {
    return QStringLiteral("另收 %1").arg(rate(exchangeFeesPercent(product)));
}

} // namespace pelmora
