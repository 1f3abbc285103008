// A window's face is its picture, unscaled from the top-left corner, in the density of the
// screen: wherever no opaque control lies, the window shows the picture's own pixels.
#include "tests/ui/Form1Fixture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace pelmora::test {
namespace {

struct PictureCase {
    const char* window;
    const char* picture;
    const char* picture2x;
    int bareQuarters; // how much of the face, in quarters, at least shows the picture bare
};

const PictureCase kWindows[] = {
    {"Form1", ":/pictures/main.png", ":/pictures/main@2x.png", 3},
    {"Form2", ":/pictures/help.png", ":/pictures/help@2x.png", 3},
    // Twelve boxes and twelve results cover more of this one.
    {"Form4", ":/pictures/trade-tools.png", ":/pictures/trade-tools@2x.png", 2},
};

class WindowPicture : public Form1Fixture, public ::testing::WithParamInterface<PictureCase> {};

// The window's face as the screen should show it: the single picture at the design's density;
// on any denser screen the double one, scaled down smoothly where the density is fractional.
QImage expectedFace(const QString& single, const QString& doubled, qreal ratio, QSize shown) {
    QPixmap picture(ratio > 1.0 ? doubled : single);
    picture.setDevicePixelRatio(ratio > 1.0 ? 2.0 : 1.0);
    QImage face(shown, QImage::Format_RGB32);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::black);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, picture);
    return face;
}

// Colours only: a grab and a decoded file may differ in the unused alpha byte.
int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

TEST_P(WindowPicture, ShowsThePictureOfTheScreensDensityWhereNoControlLies) {
    const QString name = QString::fromUtf8(GetParam().window);
    QWidget* window = name == "Form1"   ? m_window.get()
                      : name == "Form2" ? openHelp()
                                        : openTradeTools();
    const qreal ratio = window->devicePixelRatioF();
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), (QSizeF(window->size()) * ratio).toSize());
    const QImage expected =
        expectedFace(GetParam().picture, GetParam().picture2x, ratio, shown.size());
    // What a blurred face would be: the single picture scaled up.
    const QImage blurred =
        expectedFace(GetParam().picture, GetParam().picture, 1.0, shown.size())
            .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    QRegion covered;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->autoFillBackground() || !qobject_cast<const QLabel*>(child)) {
            // At a fractional scale a control's edge shares its device pixels with the picture.
            const int blur = ratio == std::floor(ratio) ? 0 : 1;
            covered += child->geometry().adjusted(-blur, -blur, blur, blur);
        }
    }
    int compared = 0;
    int differing = 0;
    qint64 offExpected = 0;
    qint64 offBlurred = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (covered.contains(
                    QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio)))) {
                continue;
            }
            ++compared;
            // Scaling rounds a level either way where it runs in tiles.
            const int tolerance = ratio == std::floor(ratio) ? 0 : 3;
            differing +=
                colourDistance(shown.pixel(x, y), expected.pixel(x, y)) <= tolerance ? 0 : 1;
            offExpected += colourDistance(shown.pixel(x, y), expected.pixel(x, y));
            offBlurred += colourDistance(shown.pixel(x, y), blurred.pixel(x, y));
        }
    }
    EXPECT_GT(compared, shown.width() * shown.height() * GetParam().bareQuarters / 4);
    EXPECT_EQ(differing, 0) << "at a device pixel ratio of " << ratio;
    if (ratio != 1.0 && ratio != 2.0) {
        EXPECT_LT(offExpected * 4, offBlurred) << "the single picture was scaled up";
    }
}

INSTANTIATE_TEST_SUITE_P(PictureWindows, WindowPicture, ::testing::ValuesIn(kWindows),
                         [](const auto& row) { return std::string(row.param.window); });

} // namespace
} // namespace pelmora::test
