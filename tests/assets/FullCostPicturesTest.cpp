#include "tests/assets/PictureChecks.h"
#include "tools/LinkRow.h"

#include <QRect>

namespace pelmora::test {
namespace {

using drawing::kSettingsButton;

bool isBlack(const QColor& colour) {
    return near(colour, Qt::black, 0);
}

bool isSilver(const QColor& colour) {
    return colour.red() >= 140 && std::abs(colour.red() - colour.blue()) <= 24 &&
           std::abs(colour.green() - colour.blue()) <= 24;
}

// Yellow to orange, also where the edges blend into the black ground.
bool isWarm(const QColor& colour) {
    return colour.red() >= 150 && colour.green() >= 90 && colour.blue() <= colour.red() - 90;
}

TEST(MainPictureGear, FillsTheSettingsButtonOnBareGround) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(QStringLiteral("main"), density);
        const QRect button(kSettingsButton.topLeft() * density, kSettingsButton.size() * density);
        int silver = 0;
        QRect ink;
        for (int y = button.top() - density; y <= button.bottom() + density; ++y) {
            for (int x = button.left() - density; x <= button.right() + density; ++x) {
                const QColor colour = picture.pixelColor(x, y);
                if (!button.contains(x, y)) {
                    EXPECT_TRUE(isBlack(colour)) << x << ", " << y << " at density " << density;
                }
                silver += isSilver(colour) ? 1 : 0;
                ink |= isBlack(colour) ? QRect() : QRect(x, y, 1, 1);
            }
        }
        EXPECT_GT(silver, button.width() * button.height() / 5) << "density " << density;
        EXPECT_LE(std::abs(ink.center().x() - button.center().x()), density);
        EXPECT_LE(std::abs(ink.center().y() - button.center().y()), density);
    }
}

// Laid over the button, the lit gear must cover the silver one exactly: a gear a pixel to one
// side would leave silver teeth showing beside black ones.
TEST(GearLit, IsWarmWhereverTheSilverGearIsAndBlackInTheCorners) {
    for (const int density : kDensities) {
        const QImage main = loadPicture(QStringLiteral("main"), density);
        const QImage lit = loadPicture(QStringLiteral("gear-lit"), density);
        const QPoint button = kSettingsButton.topLeft() * density;
        int compared = 0;
        for (int y = 0; y < lit.height(); ++y) {
            for (int x = 0; x < lit.width(); ++x) {
                if (isSilver(main.pixelColor(button + QPoint(x, y)))) {
                    EXPECT_TRUE(isWarm(lit.pixelColor(x, y)))
                        << x << ", " << y << " at " << density;
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, lit.width() * lit.height() / 5) << "density " << density;
        const QSize last = kSettingsButton.size() - QSize(1, 1);
        for (const QPoint corner : {QPoint(0, 0), QPoint(last.width(), 0), QPoint(0, last.height()),
                                    QPoint(last.width(), last.height())}) {
            EXPECT_TRUE(pixelIs(lit, density, corner.x(), corner.y(), Qt::black, 0));
        }
    }
}

// White glyphs ringed in blue, like the title; at single density the stems must stay white
// rather than blend into the outline.
TEST(FullCostMarker, IsWhiteLetteringRingedInBlue) {
    for (const int density : kDensities) {
        const QImage marker = loadPicture(QStringLiteral("full-cost-marker"), density);
        int white = 0;
        int blue = 0;
        for (int y = 0; y < marker.height(); ++y) {
            for (int x = 0; x < marker.width(); ++x) {
                const QColor colour = marker.pixelColor(x, y);
                white += near(colour, Qt::white, 30) ? 1 : 0;
                blue += colour.blue() > 200 && colour.red() < 60 ? 1 : 0;
            }
        }
        const int area = marker.width() * marker.height();
        EXPECT_GT(white, area / 8) << "density " << density << ": " << white << " of " << area;
        EXPECT_GT(blue, area / 12) << "density " << density << ": " << blue << " of " << area;
    }
}

} // namespace
} // namespace pelmora::test
