#include "ui/OverlayLabel.h"

#include "ui/LinkCursor.h"

#include <QMouseEvent>

namespace pelmora {

OverlayLabel::OverlayLabel(Pointer pointer, QWidget* parent) : QLabel(parent), m_pointer(pointer) {
    if (pointer == Pointer::Link) {
        setCursor(linkCursor());
    }
}

void OverlayLabel::setPicture(std::optional<DensityPicture> picture) {
    m_picture = std::move(picture);
    update();
}

void OverlayLabel::paintEvent(QPaintEvent* event) {
    if (!m_picture) {
        QLabel::paintEvent(event);
        return;
    }
    m_picture->paintOn(*this);
}

void OverlayLabel::press() {
    if (clickable()) {
        Q_EMIT click();
    }
}

void OverlayLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
    }
    Q_EMIT mouseDown(*event);
}

void OverlayLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMove();
}

void OverlayLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftPressed) {
        return;
    }
    m_leftPressed = false;
    // Letting go elsewhere takes the click back, as with any button.
    if (rect().contains(event->position().toPoint())) {
        Q_EMIT click();
    }
}

// Qt delivers the second press of a double click as a press followed by this event; a link
// double-clicked out of habit opens its page once.
void OverlayLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    m_leftPressed = false;
}

} // namespace pelmora
