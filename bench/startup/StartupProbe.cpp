// The program's own start-up, ended after the first painted frame of the main window.
#include "app/Startup.h"
#include "bench/startup/FirstFrame.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto window = pelmora::startPelmora();
    pelmora::FirstFrame::quitAfterFirstPaint(*window);
    return QApplication::exec();
}
