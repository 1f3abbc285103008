#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace pelmora {

// The drag of a borderless window by its title strip: after a press of any mouse button on the
// strip, the window follows the pointer until the button is released.
//
// The window system's own move interaction is used where it exists, for the left button only:
// Qt on X11 tells the window manager that the drag uses button 1 whatever was pressed, which
// leaves it stuck in move mode after a right or middle press. Every other press, and every
// platform that refuses the system move, moves the window from the strip's own mouse events;
// an object of this class is such a drag in progress.
class Module1 final : public QObject {
    Q_OBJECT

public:
    // `press` is the event that `titleStrip` is handling; returns before the drag ends.
    static void dragWindow(QWidget& titleStrip, const QMouseEvent& press);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Module1(QWidget& titleStrip, const QMouseEvent& press);
    void finish(QObject& titleStrip);

    QPointer<QWidget> m_window;
    QPoint m_pressedAt;
    QPoint m_windowAtPress;
};

} // namespace pelmora
