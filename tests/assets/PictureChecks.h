#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

namespace pelmora::test {

// The pictures come at single and double density; a fact stated in picture pixels must hold for
// all four device pixels of the double-density copy.
inline constexpr int kDensities[] = {1, 2};

inline QString picturePath(const QString& name, int density) {
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(name, density == 2 ? QStringLiteral("@2x") : QString());
}

inline QImage loadPicture(const QString& name, int density) {
    return QImage(picturePath(name, density)).convertToFormat(QImage::Format_ARGB32);
}

inline bool near(const QColor& actual, const QColor& expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

inline ::testing::AssertionResult pixelIs(const QImage& image, int density, int x, int y,
                                          const QColor& expected, int tolerance = 8) {
    for (int dy = 0; dy < density; ++dy) {
        for (int dx = 0; dx < density; ++dx) {
            const QColor actual = image.pixelColor(x * density + dx, y * density + dy);
            if (!near(actual, expected, tolerance)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") at density " << density << " is rgb("
                       << actual.red() << ", " << actual.green() << ", " << actual.blue()
                       << "), expected about rgb(" << expected.red() << ", " << expected.green()
                       << ", " << expected.blue() << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// A pixel of the picture that must have a grey level, named for the test's name.
struct PixelFact {
    const char* name;
    int x;
    int y;
    int grey;
};

inline void PrintTo(const PixelFact& fact, std::ostream* out) {
    *out << fact.name;
}

inline QColor grey(int level) {
    return {level, level, level};
}

} // namespace pelmora::test
