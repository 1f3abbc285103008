// A window's face is its picture, unscaled from the top-left corner, in the density of the
// screen: wherever no opaque control lies, the window shows the picture's own pixels.
#include "tests/ui/Form1Fixture.h"

#include <QImage>
#include <QPixmap>

namespace pelmora::test {
namespace {

struct PictureCase {
    const char* window;
    const char* picture;
    const char* picture2x;
};

const PictureCase kWindows[] = {
    {"Form1", ":/pictures/main.png", ":/pictures/main@2x.png"},
    {"Form2", ":/pictures/help.png", ":/pictures/help@2x.png"},
};

class WindowPicture : public Form1Fixture, public ::testing::WithParamInterface<PictureCase> {};

// Colours only: a grab and a decoded file may differ in the unused alpha byte.
bool sameColour(const QImage& a, const QImage& b, int x, int y) {
    return (a.pixel(x, y) & RGB_MASK) == (b.pixel(x, y) & RGB_MASK);
}

TEST_P(WindowPicture, ShowsThePictureOfTheScreensDensityWhereNoControlLies) {
    QWidget* window = GetParam().window == QStringLiteral("Form1") ? m_window.get() : openHelp();
    const qreal ratio = window->devicePixelRatioF();
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(ratio >= 1.5 ? GetParam().picture2x : GetParam().picture)
                               .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(shown.size(), (QSizeF(window->size()) * ratio).toSize());
    // Both pictures are a little larger than their windows, which cut off the rest.
    ASSERT_TRUE(QRect(QPoint(), picture.size()).contains(shown.rect()));

    QRegion covered;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
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

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowPicture, ::testing::ValuesIn(kWindows),
                         [](const auto& row) { return std::string(row.param.window); });

} // namespace
} // namespace pelmora::test
