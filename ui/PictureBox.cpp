#include "ui/PictureBox.h"

#include <utility>

namespace pelmora {

PictureBox::PictureBox(DensityPicture picture, QWidget* parent)
    : QWidget(parent), m_picture(std::move(picture)) {}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    m_picture.paintOn(*this);
}

} // namespace pelmora
