#include "ui/SettingWords.h"

#include "platform/NumberQText.h"
#include "ui/MessageQuote.h"

namespace pelmora {

QString refusedSettingTitle() {
    return QStringLiteral("无法使用这个设置");
}

QString describeRefusedSetting(const QString& name, const std::string& text,
                               const RefusedSetting& refusal, double kept) {
    const QString field = u'「' + name + u'」';
    const QString keeping = QStringLiteral("仍用原来的 %1。").arg(numberQText(kept));
    switch (refusal.reason) {
    case SettingRefusal::DecimalComma:
        return QStringLiteral("%1里的%2带有逗号，这里的小数点是“.”。")
                   .arg(field, quotedForMessage(text)) +
               keeping;
    case SettingRefusal::OutOfRange:
        return QStringLiteral("%1里的%2超出了范围，请填 %3 到 %4 的数。")
                   .arg(field, quotedForMessage(text), numberQText(refusal.bounds.least),
                        numberQText(refusal.bounds.most)) +
               keeping;
    case SettingRefusal::NotANumber:
        break;
    }
    return (text.empty()
                ? QStringLiteral("%1是空的。").arg(field)
                : QStringLiteral("%1里的%2不是数字。").arg(field, quotedForMessage(text))) +
           keeping;
}

QString storeTroubleTitle() {
    return QStringLiteral("费用设置");
}

QString describeStoreTrouble(StoreTrouble trouble, const QString& file) {
    if (trouble == StoreTrouble::Damaged) {
        return QStringLiteral("费用设置的文件无法读取，已改用默认设置。原来的文件已改名为：\n%1")
            .arg(file);
    }
    return QStringLiteral("费用设置无法保存，程序结束后不会记住这次的更改。设置文件：\n%1")
        .arg(file);
}

} // namespace pelmora
