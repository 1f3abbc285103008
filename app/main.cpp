#include "app/Startup.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto window = pelmora::startPelmora();
    return QApplication::exec();
}
