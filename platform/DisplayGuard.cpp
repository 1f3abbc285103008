#include "platform/DisplayGuard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace pelmora {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's messages from the start, held until it is known whether the display was reached.
QList<HeldMessage>& held() {
    static QList<HeldMessage> messages;
    return messages;
}

QtMessageHandler& qtHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

bool heldMessageSays(const QString& words) {
    for (const HeldMessage& message : held()) {
        if (message.text.contains(words, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// Rather than a window-system plugin that is missing altogether.
bool noDisplayReached() {
    if (heldMessageSays(QStringLiteral("connect to display"))) {
        return true;
    }
    return !heldMessageSays(QStringLiteral("could not find the Qt platform plugin")) &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

[[noreturn]] void endWithoutDisplay(const QString& fatal) {
    const bool noDisplay = noDisplayReached();
    std::fputs(noDisplay ? "pelmora: 无法连接到显示服务器 / cannot connect to a display\n"
                         : "pelmora: 无法启动图形界面 / cannot start the graphical interface\n",
               stderr);
    // What Qt found, in a line each, for whoever has to set the display up.
    for (const HeldMessage& message : held()) {
        std::fprintf(stderr, "  %s\n", qPrintable(message.text));
    }
    if (!noDisplay) {
        std::fprintf(stderr, "  %s\n", qPrintable(fatal.section(u'\n', 0, 0)));
    }
    std::fflush(stderr);
    // Nothing was shown and nothing is to be saved; the half-made application is not unwound.
    std::_Exit(1);
}

void duringStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        endWithoutDisplay(text);
    }
    held().push_back({type, QByteArray(context.category), text});
}

} // namespace

void guardDisplayStart() {
    qtHandler() = qInstallMessageHandler(duringStart);
}

void displayReached() {
    qInstallMessageHandler(qtHandler());
    for (const HeldMessage& message : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held().clear();
}

} // namespace pelmora
