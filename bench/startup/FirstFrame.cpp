#include "bench/startup/FirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pelmora {

void FirstFrame::quitAfterFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstFrame(window));
}

FirstFrame::FirstFrame(QWidget& window) : QObject(&window) {}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_seen) {
        m_seen = true;
        // Queued, so the painted frame is flushed to the screen before the loop ends.
        QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
