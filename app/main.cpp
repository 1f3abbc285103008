#include "app/Startup.h"
#include "platform/DisplayGuard.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Qt joins the accessibility bus only when it already says a screen reader runs, and does
    // not notice one that starts later; joined always, the program is there whenever one asks.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    pelmora::guardDisplayStart();
    QApplication app(argc, argv);
    pelmora::displayReached();
    const auto window = pelmora::startPelmora();
    return QApplication::exec();
}
