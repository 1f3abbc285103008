#pragma once

#include "design/WindowDesign.h"
#include "platform/DensityPicture.h"
#include "ui/OverlayLabel.h"
#include "ui/Placement.h"

#include <QWidget>

namespace pelmora {

class PictureBox;

// Where a window of the design's place and size opens: at its design position when the whole
// window fits the available area of the screen there (scale factors included), else centred on
// that screen.
QPoint placedOnScreen(const QRect& design);

// A window without the system's frame whose face is one picture, drawn unscaled from the
// top-left corner. Pressing any mouse button on the drawn title strip (Label1) drags the window;
// the drawn close glyph (Label2) lights up (Image1) when the mouse moves over it and goes dark
// when the mouse moves over the bare background; what a click on it does is the window's own.
class BorderlessWindow : public QWidget {
    Q_OBJECT

public:
    ~BorderlessWindow() override = default;
    Q_DISABLE_COPY_MOVE(BorderlessWindow)

Q_SIGNALS:
    // Its close glyph, or Esc, hid the window (the secondary windows only hide).
    void hiddenByGlyph();

protected:
    explicit BorderlessWindow(const WindowFrame& frame);

    virtual void Label2_Click() = 0;

    // A transparent label of this window over a drawn element that reacts to the mouse.
    OverlayLabel* overlay(const QString& name, const QString& accessibleName,
                          const TwipsRect& where, Pointer pointer);
    OverlayLabel* overlay(const PlacedControl& design, Pointer pointer);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Label1_MouseDown(const QMouseEvent& event);
    void Label2_MouseMove();
    void Form_MouseMove(const QMouseEvent& event);

    DensityPicture m_background;

    OverlayLabel* Label1 = nullptr;
    PictureBox* Image1 = nullptr;
    OverlayLabel* Label2 = nullptr;
};

} // namespace pelmora
