#include "platform/ApplicationSetup.h"

#include <QApplication>
#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// "NAME=VALUE|NAME=VALUE", from the test's CMake rule; an empty value unsets the variable.
void setTestEnvironment(const QByteArray& assignments) {
    for (const QByteArray& assignment : assignments.split('|')) {
        const qsizetype equals = assignment.indexOf('=');
        if (equals <= 0) {
            continue;
        }
        const QByteArray name = assignment.left(equals);
        const QByteArray value = assignment.mid(equals + 1);
        if (value.isEmpty()) {
            qunsetenv(name.constData());
        } else {
            qputenv(name.constData(), value);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything reads it: the platform, the scale and the locale are read once.
    setTestEnvironment(PELMORA_TEST_ENVIRONMENT);
    // Test discovery runs the tests at build time, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    pelmora::setUpApplication();
    return RUN_ALL_TESTS();
}
