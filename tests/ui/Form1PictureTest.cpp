// The window's face is its picture, unscaled from the top-left corner, in the density of the
// screen: wherever no opaque control lies, the window shows the picture's own pixels.
#include "Form1Fixture.h"

#include <QImage>
#include <QPixmap>

namespace pelmora::testing {
namespace {

using Form1Picture = Form1Fixture;

// Colours only: a grab and a decoded file may differ in the unused alpha byte.
bool sameColour(const QImage& a, const QImage& b, int x, int y) {
    return (a.pixel(x, y) & RGB_MASK) == (b.pixel(x, y) & RGB_MASK);
}

QImage pictureFor(qreal ratio) {
    return QImage(ratio >= 1.5 ? ":/pictures/main@2x.png" : ":/pictures/main.png")
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(Form1Picture, ShowsThePictureOfTheScreensDensityWhereNoControlLies) {
    const qreal ratio = m_window->devicePixelRatioF();
    const QImage shown = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = pictureFor(ratio);
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(shown.size(), (QSizeF(514, 564) * ratio).toSize());
    ASSERT_EQ(picture.height(), shown.height());

    QRegion covered;
    for (const QWidget* child : m_window->findChildren<QWidget*>()) {
        if (child->autoFillBackground() || !qobject_cast<const QLabel*>(child)) {
            covered += child->geometry();
        }
    }
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (covered.contains(
                    QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio)))) {
                continue;
            }
            ++compared;
            differing += sameColour(shown, picture, x, y) ? 0 : 1;
        }
    }
    EXPECT_GT(compared, shown.width() * shown.height() * 3 / 4);
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace pelmora::testing
