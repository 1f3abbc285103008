#include "ui/Desktop.h"

#include "platform/LinkOpener.h"
#include "platform/SettingsStore.h"
#include "ui/FailureReport.h"
#include "ui/Form1.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

namespace pelmora {
namespace {

void tellStoreTrouble(Form1& window, SettingsStore& store) {
    if (const std::optional<StoreTrouble> trouble = store.takeTrouble()) {
        tellUser(&window, QStringLiteral("费用设置"), describeStoreTrouble(*trouble, store));
    }
}

} // namespace

void tellUser(QWidget* window, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, window);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void connectToDesktop(Form1& window, SettingsStore& store) {
    QObject::connect(&window, &Form1::calculationFailed, &window,
                     [&window](const QString& message) {
                         tellUser(&window, QStringLiteral("无法计算"), message);
                     });
    QObject::connect(&window, &Form1::settingRefused, &window, [&window](const QString& message) {
        tellUser(&window, QStringLiteral("无法使用这个设置"), message);
    });
    QObject::connect(&window, &Form1::settingsChanged, &store,
                     [&window, &store](const FeeSettings& settings) {
                         store.save(settings);
                         tellStoreTrouble(window, store);
                     });
    QObject::connect(&window, &Form1::linkRequested, &window, [&window](const QUrl& address) {
        openLink(address, window, [&window, address](LinkFailure failure) {
            tellUser(&window, QStringLiteral("无法打开网页"),
                     describeLinkFailure(failure, address));
        });
    });
    // exit() rather than quit(): Qt 6 lets quit() be refused by a window's close handling, and
    // nothing may stand between the close glyph and the end.
    QObject::connect(&window, &Form1::endRequested, QCoreApplication::instance(),
                     [] { QCoreApplication::exit(0); });
    QTimer::singleShot(0, &store, [&window, &store] { tellStoreTrouble(window, store); });
}

} // namespace pelmora
