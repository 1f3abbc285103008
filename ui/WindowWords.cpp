#include "ui/WindowWords.h"

#include "design/WindowDesign.h"
#include "ui/Placement.h"

namespace pelmora {
namespace {

// The key as the user reads it on the keyboard, from the one place that binds it.
QString keyName(QKeyCombination key) {
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

QString helpIconTip() {
    return QStringLiteral("帮助（%1）").arg(keyName(kHelpKey));
}

QString helpIconDescription() {
    return QStringLiteral("按 %1 打开帮助，按 %2 关闭。").arg(keyName(kHelpKey), keyName(kHideKey));
}

QString settingsIconTip() {
    return QStringLiteral("费用设置（%1）").arg(keyName(kSettingsKey));
}

QString settingsIconDescription() {
    return QStringLiteral("按 %1 打开费用设置，按 %2 关闭。")
        .arg(keyName(kSettingsKey), keyName(kHideKey));
}

QString tradeToolsEntryTip() {
    return QStringLiteral("交易工具：做T、补仓、减仓（%1）").arg(keyName(kTradeToolsKey));
}

QString tradeToolsEntryDescription() {
    return QStringLiteral("按 %1 打开交易工具，按 %2 关闭。")
        .arg(keyName(kTradeToolsKey), keyName(kHideKey));
}

QString journalEntryTip() {
    return QStringLiteral("账本：持仓与交易记录（%1）").arg(keyName(kJournalKey));
}

QString journalEntryDescription() {
    return QStringLiteral("按 %1 打开账本，按 %2 关闭。")
        .arg(keyName(kJournalKey), keyName(kHideKey));
}

QString levyNotCharged() {
    return QStringLiteral("不收");
}

QString titleStripName() {
    return QStringLiteral("标题栏");
}

QString closeGlyphName() {
    return QStringLiteral("关闭");
}

QString closeHighlightName() {
    return QStringLiteral("关闭（高亮）");
}

QString calculateCaption() {
    return fromUtf8(kCalculateCaption);
}

QString calculateButtonName(std::string_view panel) {
    return fromUtf8(panel) + u' ' + calculateCaption();
}

QString copyAction() {
    return QStringLiteral("复制");
}

} // namespace pelmora
