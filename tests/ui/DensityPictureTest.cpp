// A picture kept at two densities gives the copy that suits the screen, and the single copy
// when the double one is missing.
#include "platform/DensityPicture.h"

#include <gtest/gtest.h>

namespace pelmora::test {
namespace {

struct DensityCase {
    const char* name;
    const char* doublePath;
    qreal ratio;
    qreal expectedRatio; // of the copy given
};

const DensityCase kCases[] = {
    {"SingleScreen", ":/pictures/main@2x.png", 1.0, 1.0},
    {"DoubleScreen", ":/pictures/main@2x.png", 2.0, 2.0},
    {"DoubleScreenWithoutTheDoubleCopy", ":/pictures/missing@2x.png", 2.0, 1.0},
};

class DensityPictureCopy : public ::testing::TestWithParam<DensityCase> {};

TEST_P(DensityPictureCopy, SuitsTheScreen) {
    const DensityPicture picture(QStringLiteral(":/pictures/main.png"),
                                 QString::fromUtf8(GetParam().doublePath));
    const QPixmap& copy = picture.forPixelRatio(GetParam().ratio);
    ASSERT_FALSE(copy.isNull());
    EXPECT_EQ(copy.devicePixelRatio(), GetParam().expectedRatio);
    // The same size on the window either way.
    EXPECT_EQ(copy.deviceIndependentSize().toSize(), QSize(515, 564));
}

INSTANTIATE_TEST_SUITE_P(Screens, DensityPictureCopy, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
