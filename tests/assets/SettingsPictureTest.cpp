#include "tools/SettingsPicture.h"

#include "tests/assets/PictureChecks.h"

#include <QRect>
#include <array>
#include <ostream>

namespace pelmora::test {
namespace {

const QString kSettings = QStringLiteral("settings");

class SettingsPicturePixel : public ::testing::TestWithParam<PixelFact> {};

// The window's edge and the title strip's shadow are the main window's.
TEST_P(SettingsPicturePixel, HasItsGrey) {
    const PixelFact& fact = GetParam();
    for (const int density : kDensities) {
        EXPECT_TRUE(
            pixelIs(loadPicture(kSettings, density), density, fact.x, fact.y, grey(fact.grey)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Facts, SettingsPicturePixel,
    ::testing::Values(PixelFact{"TopEdgeLine", 200, 0, 134}, PixelFact{"TopInnerLine", 200, 1, 64},
                      PixelFact{"LeftEdgeLine", 0, 150, 61}, PixelFact{"LeftInnerLine", 1, 150, 34},
                      PixelFact{"NoRightEdgeLine", 319, 150, 0},
                      PixelFact{"NoBottomEdgeLine", 160, 249, 0},
                      PixelFact{"ShadowTopRow", 200, 31, 42}, PixelFact{"ShadowGone", 200, 40, 0}),
    [](const ::testing::TestParamInfo<PixelFact>& row) { return row.param.name; });

class SettingsPictureControl : public ::testing::TestWithParam<std::size_t> {};

TEST_P(SettingsPictureControl, HasItsHeadingCentredToItsLeft) {
    const QRect box = drawing::pixelRect(kSettingRows.at(GetParam()).place);
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kSettings, density);
        QRect white;
        for (int y = box.top() * density; y < (box.bottom() + 1) * density; ++y) {
            for (int x = 0; x < box.left() * density; ++x) {
                // Any ink: a heading that opens with a thin stroke (账) draws it in grey at
                // single density.
                white |=
                    near(picture.pixelColor(x, y), Qt::white, 127) ? QRect(x, y, 1, 1) : QRect();
            }
        }
        ASSERT_FALSE(white.isEmpty()) << "density " << density;
        EXPECT_NEAR(white.left(), toPixels(kSettingHeadingLeft) * density, density);
        // Twice the middles, in device pixels: within a picture pixel of each other.
        const int rowMiddle = (2 * box.top() + box.height()) * density;
        EXPECT_NEAR(white.top() + white.bottom() + 1, rowMiddle, 2 * density);
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, SettingsPictureControl,
                         ::testing::Range<std::size_t>(0, kSettingRows.size()),
                         [](const auto& row) {
                             return std::string(kSettingRows.at(row.param).name);
                         });

// Midway along its straight edges the outline is one crisp pixel of grey with black outside.
TEST(SettingsPicturePanel, OutlineIsOneCrispPixelOnItsEdges) {
    const drawing::Panel panel = drawing::pixelPanel(kSettingsPanel);
    const QRect& tab = panel.tab;
    const QRect& body = panel.body;
    const QPoint middle = body.center();
    const std::array<std::array<QPoint, 2>, 5> onAndOutside{{
        {QPoint(tab.center().x(), tab.top()), QPoint(tab.center().x(), tab.top() - 1)},
        {QPoint((tab.right() + body.right()) / 2, body.top()),
         QPoint((tab.right() + body.right()) / 2, body.top() - 1)},
        {QPoint(body.right(), middle.y()), QPoint(body.right() + 1, middle.y())},
        {QPoint(middle.x(), body.bottom()), QPoint(middle.x(), body.bottom() + 1)},
        {QPoint(body.left(), middle.y()), QPoint(body.left() - 1, middle.y())},
    }};
    for (const int density : kDensities) {
        const QImage picture = loadPicture(kSettings, density);
        for (const auto& [on, outside] : onAndOutside) {
            EXPECT_TRUE(pixelIs(picture, density, on.x(), on.y(), grey(65)));
            EXPECT_TRUE(pixelIs(picture, density, outside.x(), outside.y(), grey(0)));
        }
    }
}

// Right of the drag area the title strip holds nothing but the close glyph, and that glyph is
// the main window's pixel for pixel, because both windows lay the same highlight over it: here
// at (294, 8), there at (488, 8).
TEST(SettingsPictureTitleStrip, EndsInTheMainWindowsCloseGlyph) {
    const QRect strip(QPoint(281, 2), QPoint(319, 30));
    const QRect highlight(294, 8, 14, 19);
    const QPoint toMain = QPoint(488, 8) - highlight.topLeft();
    for (const int density : kDensities) {
        const QImage settings = loadPicture(kSettings, density);
        const QImage main = loadPicture(QStringLiteral("main"), density);
        for (int y = strip.top() * density; y < (strip.bottom() + 1) * density; ++y) {
            for (int x = strip.left() * density; x < (strip.right() + 1) * density; ++x) {
                const bool underHighlight = highlight.contains(x / density, y / density);
                const QRgb expected =
                    underHighlight ? main.pixel(QPoint(x, y) + toMain * density) : qRgb(0, 0, 0);
                ASSERT_EQ(settings.pixel(x, y), expected) << x << ", " << y << " at " << density;
            }
        }
    }
}

} // namespace
} // namespace pelmora::test
