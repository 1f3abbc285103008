#include "ui/ReadingWords.h"

#include "ui/MessageQuote.h"

namespace pelmora {

QString unreadableText(const QString& field, const std::string& text, Unreadable reason) {
    if (text.empty()) {
        return QStringLiteral("%1是空的，请填入一个数字。").arg(field);
    }
    const QString quoted = quotedForMessage(text);
    switch (reason) {
    case Unreadable::DecimalComma:
        return QStringLiteral("%1里的%2带有逗号。这里的小数点是“.”，例如 8.888；"
                              "请改正后再按“计算”。")
            .arg(field, quoted);
    case Unreadable::TooLarge:
        return QStringLiteral("%1里的%2太大，超出了能计算的范围。请改小后再按“计算”。")
            .arg(field, quoted);
    case Unreadable::TooManyDecimals:
        return QStringLiteral("%1里的%2小数位太多，最多能算 %3 位小数。请改短后再按“计算”。")
            .arg(field, quoted, QString::number(Decimal::kMaxScale));
    case Unreadable::TooManyDigits:
        return QStringLiteral("%1里的%2位数太多，最多能算 %3 位有效数字。请改短后再按“计算”。")
            .arg(field, quoted, QString::number(Decimal::kMaxDigits));
    case Unreadable::NotANumber:
        break;
    }
    return QStringLiteral("%1里的%2不是数字，请改正后再按“计算”。").arg(field, quoted);
}

} // namespace pelmora
