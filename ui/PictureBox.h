#pragma once

#include "platform/DensityPicture.h"

#include <QWidget>

namespace pelmora {

// An image control: shows its picture unscaled from its top-left corner, sharp on screens of
// single and double density alike.
class PictureBox final : public QWidget {
    Q_OBJECT

public:
    PictureBox(DensityPicture picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DensityPicture m_picture;
};

} // namespace pelmora
