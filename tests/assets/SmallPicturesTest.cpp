#include "assets/LinkCursorHotSpot.h"
#include "tests/assets/PictureChecks.h"

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QtEndian>
#include <ostream>

namespace pelmora::test {
namespace {

struct PictureSize {
    const char* name;
    QSize size;
    bool hasDoubleDensity;
};

void PrintTo(const PictureSize& picture, std::ostream* out) {
    *out << picture.name;
}

class PictureSizes : public ::testing::TestWithParam<PictureSize> {};

TEST_P(PictureSizes, MatchTheirPlaceOnTheWindows) {
    const PictureSize& expected = GetParam();
    const QString name = QString::fromUtf8(expected.name);
    EXPECT_EQ(QImage(picturePath(name, 1)).size(), expected.size);
    if (expected.hasDoubleDensity) {
        EXPECT_EQ(QImage(picturePath(name, 2)).size(), expected.size * 2);
    }
}

INSTANTIATE_TEST_SUITE_P(All, PictureSizes,
                         ::testing::Values(PictureSize{"main", {515, 564}, true},
                                           PictureSize{"close-highlight", {14, 19}, true},
                                           PictureSize{"help", {400, 557}, true},
                                           PictureSize{"help-close-highlight", {24, 25}, true},
                                           PictureSize{"icon-256", {256, 256}, false},
                                           PictureSize{"icon-48", {48, 48}, false},
                                           PictureSize{"link-cursor", {32, 32}, false},
                                           PictureSize{"gear-lit", {33, 28}, true},
                                           PictureSize{"full-cost-marker", {58, 16}, true},
                                           PictureSize{"settings", {320, 302}, true}),
                         [](const ::testing::TestParamInfo<PictureSize>& row) {
                             QString name = QString::fromUtf8(row.param.name);
                             return name.remove(QLatin1Char('-')).toStdString();
                         });

// The highlight lies at (488, 8) on the main window and must hide the white glyph completely,
// changing nothing but its colour: white where the glyph is white, yellow instead.
TEST(CloseHighlight, IsTheMainGlyphInYellowOnBlack) {
    for (const int density : kDensities) {
        const QImage highlight = loadPicture(QStringLiteral("close-highlight"), density);
        const QImage main = loadPicture(QStringLiteral("main"), density);
        for (int y = 0; y < highlight.height(); ++y) {
            for (int x = 0; x < highlight.width(); ++x) {
                const QColor lit = highlight.pixelColor(x, y);
                const QColor glyph = main.pixelColor(488 * density + x, 8 * density + y);
                ASSERT_EQ(lit.red(), lit.green()) << x << ", " << y << " at density " << density;
                ASSERT_EQ(lit.blue(), 0) << x << ", " << y << " at density " << density;
                ASSERT_NEAR(lit.red(), glyph.red(), 6) << x << ", " << y << " at " << density;
            }
        }
        EXPECT_TRUE(pixelIs(highlight, density, 7, 7, QColor(255, 255, 0)));
    }
}

TEST(HelpCloseHighlight, IsABlueCrossOnARedSquare) {
    for (const int density : kDensities) {
        const QImage highlight = loadPicture(QStringLiteral("help-close-highlight"), density);
        for (int y = 0; y < highlight.height(); ++y) {
            for (int x = 0; x < highlight.width(); ++x) {
                const QColor colour = highlight.pixelColor(x, y);
                ASSERT_EQ(colour.green(), 0) << x << ", " << y << " at density " << density;
                ASSERT_NEAR(colour.red() + colour.blue(), 255, 2) << x << ", " << y;
            }
        }
        for (const QPoint corner : {QPoint(0, 0), QPoint(23, 0), QPoint(0, 24), QPoint(23, 24)}) {
            EXPECT_TRUE(pixelIs(highlight, density, corner.x(), corner.y(), Qt::red));
        }
        EXPECT_TRUE(pixelIs(highlight, density, 10, 11, Qt::blue));
    }
}

TEST(LinkCursor, HasItsTipAtTheHotSpotOnATransparentGround) {
    const QImage cursor = loadPicture(QStringLiteral("link-cursor"), 1);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(31, 31), QPoint(0, 31)}) {
        EXPECT_EQ(cursor.pixelColor(corner).alpha(), 0);
    }
    EXPECT_GE(cursor.pixelColor(kLinkCursorHotSpotX, kLinkCursorHotSpotY).alpha(), 96);
    // Nothing solid lies above or left of the tip, or the pointer would seem to aim elsewhere.
    for (int y = 0; y < cursor.height(); ++y) {
        for (int x = 0; x < cursor.width(); ++x) {
            if (x < kLinkCursorHotSpotX || y < kLinkCursorHotSpotY) {
                EXPECT_LT(cursor.pixelColor(x, y).alpha(), 128) << x << ", " << y;
            }
        }
    }
}

TEST(LinkCursor, RunsFromBlueThroughCyanToYellow) {
    const QImage cursor = loadPicture(QStringLiteral("link-cursor"), 1);
    int blue = 0;
    int cyan = 0;
    int yellow = 0;
    for (int y = 0; y < cursor.height(); ++y) {
        for (int x = 0; x < cursor.width(); ++x) {
            const QColor c = cursor.pixelColor(x, y);
            if (c.alpha() < 255) {
                continue;
            }
            blue += c.blue() > 200 && c.green() < 120 && c.red() < 60 ? 1 : 0;
            cyan += c.blue() > 200 && c.green() > 200 && c.red() < 60 ? 1 : 0;
            yellow += c.red() > 180 && c.green() > 180 && c.blue() < 90 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 0);
    EXPECT_GT(cyan, 0);
    EXPECT_GT(yellow, 0);
}

TEST(Icon, StandsOnATransparentGroundAtBothSizes) {
    for (const int size : {256, 48}) {
        const QImage icon = loadPicture(QStringLiteral("icon-%1").arg(size), 1);
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << size;
        EXPECT_EQ(icon.pixelColor(size - 1, size - 1).alpha(), 0) << size;
        const QColor middle = icon.pixelColor(size / 2, size / 2 - size / 8);
        EXPECT_EQ(middle.alpha(), 255) << size;
        EXPECT_GT(middle.green(), middle.red()) << "the globe is teal, at size " << size;
    }
}

// The icon file sits beside the pictures for the program file's own icon; it is not a resource.
TEST(IconFile, HoldsThe256And48PixelImagesAsPng) {
    QFile file(QStringLiteral(PELMORA_ASSETS_DIR "/pelmora.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto word = [&bytes](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto dword = [&bytes](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    };
    ASSERT_GE(bytes.size(), 6 + 2 * 16);
    EXPECT_EQ(word(0), 0);
    EXPECT_EQ(word(2), 1) << "type 1 is an icon";
    ASSERT_EQ(word(4), 2);
    const int expectedSizes[] = {256, 48};
    for (int i = 0; i < 2; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int size = expectedSizes[i];
        EXPECT_EQ(static_cast<quint8>(bytes[entry]), size == 256 ? 0 : size);
        const QByteArray payload = bytes.mid(dword(entry + 12), dword(entry + 8));
        EXPECT_TRUE(payload.startsWith("\x89PNG")) << size;
        EXPECT_EQ(QImage::fromData(payload, "PNG").size(), QSize(size, size));
    }
}

} // namespace
} // namespace pelmora::test
