#include "ui/SearchWords.h"

#include "calc/PriceScan.h"

namespace pelmora {

QString searchMissed(SearchEnd end, const QString& sought, const QString& goal, const Decimal& step,
                     int decimals) {
    switch (end) {
    case SearchEnd::AboveHighest:
        return QStringLiteral("%1超过 %2，无法给出。").arg(sought, QString::number(kHighestPrice));
    case SearchEnd::BelowLowest:
        return QStringLiteral("%1低到 %2 也达不到%3。")
            .arg(sought, QString::fromStdString(step.fixedText(decimals)), goal);
    case SearchEnd::TooManyTries:
        return QStringLiteral("要逐一试算的价格超过 %1 个，%2无法给出。")
            .arg(QString::number(kMostTries), sought);
    case SearchEnd::BeyondExact:
        return QStringLiteral("算出的数字超出了能精确计算的范围，%1无法给出。").arg(sought);
    case SearchEnd::Found:
        break;
    }
    return {};
}

} // namespace pelmora
