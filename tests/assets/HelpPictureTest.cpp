#include "tests/assets/PictureChecks.h"

namespace pelmora::test {
namespace {

const QString kHelp = QStringLiteral("help");

TEST(HelpPicture, IsRedDownTheLeftEdgeAndInTheTopRightCorner) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kHelp, density);
        for (int y = 0; y < 557; y += 11) {
            if (y >= 29 && y <= 41) {
                continue; // the pale band crosses the edge
            }
            EXPECT_TRUE(pixelIs(picture, density, 0, y, Qt::red));
        }
        EXPECT_TRUE(pixelIs(picture, density, 399, 0, Qt::red));
        EXPECT_TRUE(pixelIs(picture, density, 396, 28, Qt::red));
    }
}

TEST(HelpPicture, HasAPaleBandUnderTheTitleStrip) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kHelp, density);
        for (const int x : {3, 150, 395}) {
            const QColor middle = picture.pixelColor(x * density, 35 * density);
            EXPECT_GE(middle.green(), 220) << x;
            EXPECT_GE(middle.blue(), 150) << x;
            EXPECT_GT(middle.blue(), picture.pixelColor(x * density, 27 * density).blue() + 80);
            EXPECT_GT(middle.blue(), picture.pixelColor(x * density, 44 * density).blue() + 80);
        }
    }
}

struct CalloutLine {
    int x;
    int top;
    int bottom;
};

// The two long vertical callout lines are three pixels wide, centred on their column. They are
// probed between the arrows and outlines that join them.
TEST(HelpPicture, HasBlueCalloutLines) {
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kHelp, density);
        for (const CalloutLine line : {CalloutLine{131, 110, 130}, CalloutLine{131, 218, 224},
                                       CalloutLine{26, 185, 260}, CalloutLine{26, 285, 335}}) {
            for (int y = line.top; y <= line.bottom; y += 5) {
                for (const int x : {line.x - 1, line.x, line.x + 1}) {
                    EXPECT_TRUE(pixelIs(picture, density, x, y, Qt::blue));
                }
            }
        }
        EXPECT_FALSE(pixelIs(picture, density, 23, 240, Qt::blue, 60));
    }
}

} // namespace
} // namespace pelmora::test
