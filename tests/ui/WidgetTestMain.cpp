#include "platform/ApplicationSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Test discovery runs the tests at build time, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    pelmora::setUpApplication();
    return RUN_ALL_TESTS();
}
