#pragma once

#include "platform/DensityPicture.h"

#include <QLabel>
#include <optional>

class QMouseEvent;

namespace pelmora {

// The pointer shown over an overlay: the ordinary arrow, or the link cursor over the elements
// that react to a click.
enum class Pointer { Arrow, Link };

// A transparent label without text over an element drawn in a window's picture, which gives
// that element its mouse behaviour. It takes every mouse event over it, so none reaches the
// window's background; moves without a button held reach it only with mouse tracking on.
class OverlayLabel final : public QLabel {
    Q_OBJECT

public:
    OverlayLabel(Pointer pointer, QWidget* parent);

    // Whether a click on it does something (it shows the link cursor).
    [[nodiscard]] bool clickable() const { return m_pointer == Pointer::Link; }
    // What assistive technology's "press" does: the click, without the mouse or the focus.
    void press();

    // A picture laid over the drawn element, such as the lit gear; none by default.
    void setPicture(std::optional<DensityPicture> picture);

Q_SIGNALS:
    // Any button.
    void mouseDown(const QMouseEvent& event);
    void mouseMove();
    // The left button pressed and let go over the label; the second press of a double click
    // makes no second click.
    void click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Pointer m_pointer;
    std::optional<DensityPicture> m_picture;
    bool m_leftPressed = false;
};

} // namespace pelmora
