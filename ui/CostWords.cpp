#include "ui/CostWords.h"

#include "store/NumberQText.h"
#include "ui/KindWords.h"
#include "ui/SearchWords.h"

#include <QStringList>

namespace pelmora {
namespace {

// Money to the fen, as a broker's statement writes it.
QString yuan(double amount) {
    return QString::number(amount, 'f', kFenDecimals);
}

QString rate(double percent) {
    return numberQText(percent) + u'%';
}

// The levies of a kind as the table has them today.
LevyRates ratesToday(SecurityKind kind) {
    return levyRatesOn(kind, todayInChina()).value_or(LevyRates{});
}

// The costs one after the other, joined by `sign`.
QStringList costParts(const CostedOrder& order) {
    QStringList parts;
    for (const auto& [cost, amount] : order.costs) {
        parts.push_back(costName(cost) + u' ' + moneyText(amount));
    }
    return parts;
}

} // namespace

QString moneyText(const Decimal& amount) {
    return QString::fromStdString(amount.fixedText(kFenDecimals));
}

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
    const QString step = QString::number(price.step, 'f', price.decimals);
    const QString meaning =
        QStringLiteral("这是全部卖出、计入所有费用后，实际利润不少于%1的最低价格。").arg(goal);
    if (!price.price) {
        const auto exactStep = Decimal::fromDouble(price.step).value_or(Decimal());
        return QStringLiteral("按最小报价单位 %1：%2\n%3")
            .arg(step,
                 searchMissed(price.search, QStringLiteral("这个价格"),
                              QStringLiteral("实际利润%1").arg(goal.trimmed()), exactStep,
                              price.decimals),
                 meaning);
    }
    return QStringLiteral("按最小报价单位 %1：%2\n%3")
        .arg(step, QString::number(*price.price, 'f', price.decimals), meaning);
}

QString describeFullCost(const FullCost& costs) {
    const LevyRates rates = ratesToday(costs.kind);
    QStringList lines{
        QStringLiteral("完整费用（%1）").arg(productChoiceName(costs.kind)),
        costs.minimumCommission > 0
            ? QStringLiteral("最低佣金 %1 元").arg(numberQText(costs.minimumCommission))
            : QStringLiteral("佣金不设最低（免五）"),
    };
    if (rates.stampDuty) {
        lines.push_back(QStringLiteral("%1 %2（卖出）")
                            .arg(costName(Cost::StampDuty), rate(costs.stampDutyPercent)));
    }
    if (rates.transferFee) {
        lines.push_back(QStringLiteral("%1 %2（买卖）")
                            .arg(costName(Cost::TransferFee), rate(costs.transferFeePercent)));
    }
    if (!rates.stampDuty && !rates.transferFee) {
        lines.push_back(QStringLiteral("%1不收%2和%3")
                            .arg(productChoiceName(costs.kind), costName(Cost::StampDuty),
                                 costName(Cost::TransferFee)));
    }
    lines.push_back(
        costs.exchangeFees
            ? QStringLiteral("另收%1 %2（买卖）")
                  .arg(costName(Cost::ExchangeFees), rate(rates.exchangeFees.toDouble()))
            : QStringLiteral("%1已含在佣金里").arg(costName(Cost::ExchangeFees)));
    return lines.join(u'\n');
}

QString breakEvenHelp() {
    return QStringLiteral("只按卖出手续费率计算，不计卖出手续费最低 %1 元。\n"
                          "费用设置（齿轮）里打开完整费用，会计入最低佣金、印花税和过户费。")
        .arg(numberQText(kCommissionOnlyMinimum));
}

QString exchangeFeesRemark(SecurityKind kind) {
    return QStringLiteral("另收 %1").arg(rate(ratesToday(kind).exchangeFees.toDouble()));
}

QString describeCosts(const CostedOrder& order) {
    return costParts(order).join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
           moneyText(order.total);
}

QString describeFunds(const CostedOrder& order) {
    QStringList parts{QStringLiteral("金额 ") + moneyText(order.amount)};
    parts += costParts(order);
    const std::optional<Decimal> funds = order.amount.plus(order.total);
    return parts.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
           (funds ? moneyText(*funds) : QString());
}

QString describeProceeds(const CostedOrder& sale) {
    QStringList parts{QStringLiteral("金额 ") + moneyText(sale.amount)};
    parts += costParts(sale);
    const std::optional<Decimal> proceeds = sale.amount.minus(sale.total);
    return parts.join(QStringLiteral(" − ")) + QStringLiteral(" = ") +
           (proceeds ? moneyText(*proceeds) : QString());
}

} // namespace pelmora
