#include "ui/PictureBox.h"

#include <QPainter>

namespace pelmora {

PictureBox::PictureBox(DensityPicture picture, QWidget* parent)
    : QWidget(parent), m_picture(std::move(picture)) {}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, m_picture.forPixelRatio(devicePixelRatioF()));
}

} // namespace pelmora
