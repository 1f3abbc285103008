#include "platform/ApplicationSetup.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pelmora::setUpApplication();
    pelmora::Form1 window;
    window.show();
    return QApplication::exec();
}
