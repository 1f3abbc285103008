#include "ui/FieldTitles.h"

namespace pelmora {
namespace {

QString rowTitle(FieldId field, const QString& column) {
    for (int row = 1; row <= kBuyRows; ++row) {
        if (field == quantityField(row) || field == priceField(row) || field == amountField(row) ||
            field == feeField(row)) {
            return QStringLiteral("第%1行 %2").arg(row).arg(column);
        }
    }
    return column;
}

} // namespace

QString fieldTitle(FieldId field) {
    switch (field) {
    case FieldId::nr1:
    case FieldId::nr2:
    case FieldId::nr3:
    case FieldId::nr4:
        return rowTitle(field, QStringLiteral("买进数量"));
    case FieldId::jr1:
    case FieldId::jr2:
    case FieldId::jr3:
    case FieldId::jr4:
        return rowTitle(field, QStringLiteral("买进价格"));
    case FieldId::yr1:
    case FieldId::yr2:
    case FieldId::yr3:
    case FieldId::yr4:
        return rowTitle(field, QStringLiteral("买进资金"));
    case FieldId::sr1:
    case FieldId::sr2:
    case FieldId::sr3:
    case FieldId::sr4:
        return rowTitle(field, QStringLiteral("手续费用"));
    case FieldId::srl:
        return QStringLiteral("买进 手续费 %");
    case FieldId::nrz:
        return QStringLiteral("股票总数");
    case FieldId::yrz:
        return QStringLiteral("总投入资金");
    case FieldId::srz:
        return QStringLiteral("总手续费");
    case FieldId::jrp:
        return QStringLiteral("平均价格");
    case FieldId::scl:
        return QStringLiteral("卖出 手续费 %");
    case FieldId::jc:
        return QStringLiteral("卖出价格");
    case FieldId::sc:
        return QStringLiteral("卖出 手续费用");
    case FieldId::yc:
        return QStringLiteral("卖出资金");
    case FieldId::lc:
        return QStringLiteral("卖出利润");
    case FieldId::lcs:
        return QStringLiteral("实际利润");
    case FieldId::Label3:
        return QStringLiteral("实际保本价格");
    // The estimate panel repeats two headings of the sell panel; its name tells them apart.
    case FieldId::Text1:
        return QStringLiteral("卖出价预算 实际利润");
    case FieldId::Label4:
        return QStringLiteral("卖出价预算 卖出价格");
    }
    return QString::fromUtf8(fieldName(field));
}

} // namespace pelmora
