#include "ui/Module1.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pelmora {

void Module1::dragWindow(QWidget& titleStrip, const QMouseEvent& press) {
    QWidget* window = titleStrip.window();
    if (press.button() == Qt::LeftButton) {
        QWindow* handle = window->windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            return;
        }
    }
    // The strip holds the mouse from the press to the release, so its events carry the drag.
    titleStrip.installEventFilter(new Module1(titleStrip, press));
}

Module1::Module1(QWidget& titleStrip, const QMouseEvent& press)
    : QObject(&titleStrip), m_window(titleStrip.window()),
      m_pressedAt(press.globalPosition().toPoint()), m_windowAtPress(titleStrip.window()->pos()) {}

bool Module1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->buttons() == press->button()) {
            // No other button is held, so the release that ends this drag was lost (the window
            // was hidden, or something else took the mouse): this press starts a new drag.
            finish(*watched);
            return false;
        }
        return true; // a second button joins the drag in progress
    }
    case QEvent::MouseMove:
        if (m_window != nullptr) {
            const QPoint travel =
                static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_pressedAt;
            m_window->move(m_windowAtPress + travel);
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
            finish(*watched);
        }
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

void Module1::finish(QObject& titleStrip) {
    titleStrip.removeEventFilter(this);
    deleteLater();
}

} // namespace pelmora
