#include "ui/SettingWords.h"

#include "design/SettingsWindowDesign.h"
#include "store/NumberQText.h"
#include "ui/MessageQuote.h"
#include "ui/Placement.h"

#include <QStringList>

namespace pelmora {
namespace {

// A setting as the user knows it: the heading of its row in the settings window, or the main
// window's box it comes from.
QString nameOf(StoredSetting setting) {
    SettingControl row = SettingControl::FullCostOn;
    switch (setting) {
    case StoredSetting::BuyRate:
        return QStringLiteral("买进佣金费率");
    case StoredSetting::SellRate:
        return QStringLiteral("卖出佣金费率");
    case StoredSetting::JournalBuyRate:
        row = SettingControl::JournalBuyRate;
        break;
    case StoredSetting::JournalSellRate:
        row = SettingControl::JournalSellRate;
        break;
    case StoredSetting::FullCostOn:
        row = SettingControl::FullCostOn;
        break;
    case StoredSetting::MinimumCommission:
        row = SettingControl::MinimumCommission;
        break;
    case StoredSetting::StampDuty:
        row = SettingControl::StampDuty;
        break;
    case StoredSetting::TransferFee:
        row = SettingControl::TransferFee;
        break;
    case StoredSetting::ExchangeFees:
        row = SettingControl::ExchangeFees;
        break;
    case StoredSetting::Product:
        row = SettingControl::Kind;
        break;
    }
    return fromUtf8(settingRow(row).heading);
}

QString describeDamage(const StoreTroubleReport& report) {
    QStringList names;
    for (const StoredSetting setting : report.replaced) {
        names.append(u'「' + nameOf(setting) + u'」');
    }
    QString message =
        names.isEmpty()
            ? QStringLiteral("费用设置的文件里有无法读取的部分，能读取的设置仍按文件里的使用。")
            : QStringLiteral("费用设置的文件里这些设置无法读取，已改用默认设置：%1。"
                             "能读取的设置仍按文件里的使用。")
                  .arg(names.join(u'、'));
    if (report.damagedCopy.isEmpty()) {
        return message + QStringLiteral("\n原来的文件无法另存，所以没有改动它；"
                                        "这次的更改程序结束后不会记住。设置文件：\n%1")
                             .arg(report.file);
    }
    message += QStringLiteral("\n原来的文件已另存为：\n%1\n").arg(report.damagedCopy);
    return message + (report.repairWritten
                          ? QStringLiteral("改好的设置已存入设置文件。")
                          : QStringLiteral("改好的设置无法存入设置文件，程序结束后不会记住。"));
}

// Why a typed setting was refused, and what stays instead.
QString describeRefused(const QString& name, const std::string& text, const RefusedSetting& refusal,
                        const QString& keeping) {
    const QString field = u'「' + name + u'」';
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

} // namespace

QString refusedSettingTitle() {
    return QStringLiteral("无法使用这个设置");
}

QString journalRateUntilNeeded() {
    return QStringLiteral("同主窗口");
}

QString journalRateTip() {
    return QStringLiteral("账本记账所用的佣金费率。空着时，首次记账取主窗口当时的费率，此后保存在这里。");
}

QString describeRefusedSetting(const QString& name, const std::string& text,
                               const RefusedSetting& refusal, double kept) {
    return describeRefused(name, text, refusal,
                           QStringLiteral("仍用原来的 %1。").arg(numberQText(kept)));
}

QString describeRefusedRate(const QString& name, const std::string& text,
                            const RefusedSetting& refusal, const std::string& kept) {
    return describeRefused(
        name, text, refusal,
        kept.empty() ? QStringLiteral("仍待首次记账时取主窗口的费率。")
                     : QStringLiteral("仍用原来的 %1。").arg(QString::fromStdString(kept)));
}

QString storeTroubleTitle() {
    return fromUtf8(kSettingsTitle);
}

QString describeStoreTrouble(const StoreTroubleReport& report) {
    switch (report.trouble) {
    case StoreTrouble::Damaged:
        return describeDamage(report);
    case StoreTrouble::NotAFile:
        return QStringLiteral(
                   "设置文件的位置上不是一个文件，程序不会读取或改动它。这次使用默认设置，"
                   "程序结束后不会记住更改。设置文件：\n%1")
            .arg(report.file);
    case StoreTrouble::Unwritable:
        break;
    }
    return QStringLiteral("费用设置无法保存，程序结束后不会记住这次的更改。设置文件：\n%1")
        .arg(report.file);
}

} // namespace pelmora
