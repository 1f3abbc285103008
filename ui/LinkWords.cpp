#include "ui/LinkWords.h"

namespace pelmora {

QString linkFailureTitle() {
    return QStringLiteral("无法打开网页");
}

QString describeLinkFailure(LinkFailure failure, const QUrl& address) {
    const QString why = failure == LinkFailure::NoOpener
                            ? QStringLiteral("没有找到可以打开网页的程序。")
                            : QStringLiteral("打开网页的程序报告了错误，网页没有打开。");
    return why + QStringLiteral("请把网址复制到浏览器里打开：\n%1").arg(address.toString());
}

} // namespace pelmora
