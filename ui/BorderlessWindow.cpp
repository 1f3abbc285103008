#include "ui/BorderlessWindow.h"

#include "ui/Accessibility.h"
#include "ui/Module1.h"
#include "ui/PictureBox.h"
#include "ui/Placement.h"
#include "ui/WindowWords.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

namespace pelmora {

QPoint placedOnScreen(const QRect& design) {
    QScreen* screen = QGuiApplication::screenAt(design.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr || screen->availableGeometry().contains(design)) {
        return design.topLeft();
    }
    const QRect available = screen->availableGeometry();
    QRect placed = design;
    placed.moveCenter(available.center());
    // A window larger than the screen keeps its title strip, the handle to drag it by, in reach.
    placed.moveTop(std::max(placed.top(), available.top()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    return placed.topLeft();
}

BorderlessWindow::BorderlessWindow(const WindowFrame& frame)
    : m_background(DensityPicture::compiledIn(fromUtf8(frame.picture))) {
    // The first window of the program is made once the application exists.
    installAccessibility();
    setObjectName(fromUtf8(frame.name));
    setWindowTitle(objectName());
    setAccessibleName(fromUtf8(frame.accessibleName));
    // The picture draws the title strip and the close glyph in place of the system's.
    setWindowFlag(Qt::FramelessWindowHint);
    const QRect client = toQRect(frame.client);
    setFixedSize(client.size());
    move(placedOnScreen(client));
    // Moves over the bare background hide the highlight with no button held too.
    setMouseTracking(true);

    Label1 = overlay(QStringLiteral("Label1"), titleStripName(), frame.titleStrip, Pointer::Arrow);
    Image1 = new PictureBox(DensityPicture::compiledIn(fromUtf8(frame.highlightPicture)), this);
    placeControl(*Image1, QStringLiteral("Image1"), closeHighlightName(), frame.close.highlight);
    // Made after Image1, so it lies above it and keeps the mouse while the highlight shows.
    Label2 = overlay(QStringLiteral("Label2"), closeGlyphName(), frame.close.target, Pointer::Link);
    Label2->setMouseTracking(true);

    connect(Label1, &OverlayLabel::mouseDown, this, &BorderlessWindow::Label1_MouseDown);
    connect(Label2, &OverlayLabel::mouseMove, this, &BorderlessWindow::Label2_MouseMove);
    connect(Label2, &OverlayLabel::click, this, &BorderlessWindow::Label2_Click);
}

OverlayLabel* BorderlessWindow::overlay(const QString& name, const QString& accessibleName,
                                        const TwipsRect& where, Pointer pointer) {
    auto* label = new OverlayLabel(pointer, this);
    placeControl(*label, name, accessibleName, where);
    return label;
}

OverlayLabel* BorderlessWindow::overlay(const PlacedControl& design, Pointer pointer) {
    return overlay(fromUtf8(design.name), fromUtf8(design.accessibleName), design.place, pointer);
}

void BorderlessWindow::paintEvent(QPaintEvent* /*event*/) {
    m_background.paintOn(*this);
}

void BorderlessWindow::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(*event);
}

void BorderlessWindow::Label1_MouseDown(const QMouseEvent& event) {
    Module1::dragWindow(*Label1, event);
}

void BorderlessWindow::Label2_MouseMove() {
    Image1->show();
}

void BorderlessWindow::Form_MouseMove(const QMouseEvent& event) {
    // A move that a control let through to the window is not a move over the background.
    if (childAt(event.position().toPoint()) == nullptr) {
        Image1->hide();
    }
}

} // namespace pelmora
