#include "ui/WindowWords.h"

namespace pelmora {

QString helpIconTip() {
    return QStringLiteral("帮助（F1）");
}

QString helpIconDescription() {
    return QStringLiteral("按 F1 打开帮助，按 Esc 关闭。");
}

QString settingsIconTip() {
    return QStringLiteral("费用设置（F2）");
}

QString settingsIconDescription() {
    return QStringLiteral("按 F2 打开费用设置，按 Esc 关闭。");
}

QString levyNotCharged() {
    return QStringLiteral("不收");
}

} // namespace pelmora
