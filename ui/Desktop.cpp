#include "ui/Desktop.h"

#include "platform/FeeSettingsKeeper.h"
#include "platform/LinkOpener.h"
#include "ui/FailureReport.h"
#include "ui/Form1.h"
#include "ui/LinkWords.h"
#include "ui/SettingWords.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace pelmora {

void tellUser(QWidget* window, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, window);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The keyboard belongs on the button, and the text opens unselected: a label that the window
    // system hands the focus to as the box opens may select all of it.
    box.setDefaultButton(QMessageBox::Ok);
    QMetaObject::invokeMethod(
        &box,
        [&box] {
            box.button(QMessageBox::Ok)->setFocus(Qt::OtherFocusReason);
            if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                text->setSelection(0, 0);
            }
        },
        Qt::QueuedConnection);
    box.exec();
}

void connectToDesktop(Form1& window, FeeSettingsKeeper& settings) {
    QObject::connect(&window, &Form1::calculationFailed, &window,
                     [&window](const QString& message) {
                         tellUser(&window, calculationFailureTitle(), message);
                     });
    // Over the settings window, so that closing the message leaves it in front.
    QObject::connect(&window, &Form1::settingRefused, &window,
                     [](const QString& message, QWidget* over) {
                         tellUser(over, refusedSettingTitle(), message);
                     });
    // Over the trade-tools window, likewise.
    QObject::connect(&window, &Form1::toolCalculationFailed, &window,
                     [](const QString& message, QWidget* over) {
                         tellUser(over, calculationFailureTitle(), message);
                     });
    QObject::connect(&settings, &FeeSettingsKeeper::storeTroubleMet, &window,
                     [&window](const StoreTroubleReport& report) {
                         tellUser(&window, storeTroubleTitle(), describeStoreTrouble(report));
                     });
    QObject::connect(&window, &Form1::linkRequested, &window, [&window](const QUrl& address) {
        openLink(address, window, [&window, address](LinkFailure failure) {
            tellUser(&window, linkFailureTitle(), describeLinkFailure(failure, address));
        });
    });
    // exit() rather than quit(): Qt 6 lets quit() be refused by a window's close handling, and
    // nothing may stand between the close glyph and the end.
    QObject::connect(&window, &Form1::endRequested, QCoreApplication::instance(),
                     [] { QCoreApplication::exit(0); });
}

} // namespace pelmora
