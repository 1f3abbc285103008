// The window as it opens: every control where the design puts it, as it looks and starts.
#include "Form1Fixture.h"

#include <QApplication>
#include <QRectF>

namespace pelmora::testing {
namespace {

enum class Kind { Box, Figure, Total, Button, Overlay, Image };

struct ControlCase {
    const char* name;
    Kind kind;
    QRectF place; // pixels of the design, fractions where the twips do not divide by 15
    const char* text = "";
};

// clang-format off
const ControlCase kControls[] = {
    {"nr1", Kind::Box, {40, 144, 41, 18}},    {"jr1", Kind::Box, {96, 144, 41, 18}},
    {"nr2", Kind::Box, {40, 176, 41, 18}},    {"jr2", Kind::Box, {96, 176, 41, 18}},
    {"nr3", Kind::Box, {40, 208, 41, 18}},    {"jr3", Kind::Box, {96, 208, 41, 18}},
    {"nr4", Kind::Box, {40, 248, 41, 18}},    {"jr4", Kind::Box, {96, 248, 41, 18}},
    {"srl", Kind::Box, {200, 45.333, 81, 24}, "0.3"},
    {"scl", Kind::Box, {201.333, 306.667, 81, 24}, "0.4"},
    {"jc", Kind::Box, {16, 368, 57, 18}},     {"Text1", Kind::Box, {16, 496, 81, 18}},
    {"yr1", Kind::Figure, {152, 144, 49, 17}}, {"sr1", Kind::Figure, {208, 144, 41, 17}},
    {"yr2", Kind::Figure, {152, 176, 49, 17}}, {"sr2", Kind::Figure, {208, 176, 41, 17}},
    {"yr3", Kind::Figure, {152, 208, 49, 17}}, {"sr3", Kind::Figure, {208, 208, 41, 17}},
    {"yr4", Kind::Figure, {152, 248, 49, 17}}, {"sr4", Kind::Figure, {208, 248, 41, 17}},
    {"nrz", Kind::Total, {328, 104, 153, 20}}, {"jrp", Kind::Total, {328, 152, 153, 17}},
    {"srz", Kind::Total, {328, 200, 153, 17}}, {"yrz", Kind::Total, {328, 240, 153, 17}},
    {"sc", Kind::Figure, {88, 368, 57, 17}},   {"yc", Kind::Figure, {160, 368, 105, 17}},
    {"lc", Kind::Figure, {280, 368, 57, 17}},  {"lcs", Kind::Figure, {352, 368, 57, 17}},
    {"Label3", Kind::Figure, {424, 368, 81, 17}}, {"Label4", Kind::Figure, {104, 496, 89, 17}},
    {"Command1", Kind::Button, {440, 40, 49, 25}, "计算"},
    {"Command2", Kind::Button, {448, 304, 49, 25}, "计算"},
    {"Command3", Kind::Button, {448, 424, 49, 25}, "计算"},
    {"Label1", Kind::Overlay, {0, 0, 465, 33}},   {"Label2", Kind::Overlay, {480, 8, 25, 25}},
    {"Image1", Kind::Image, {488, 8, 14, 19}},
    {"Label7", Kind::Overlay, {16, 528.667, 40, 26.667}},
    {"Label5", Kind::Overlay, {80, 531.333, 105, 25}},
    {"Label6", Kind::Overlay, {184, 531.333, 105, 25}},
    {"Label8", Kind::Overlay, {344, 529.333, 40, 33}},
    {"Label9", Kind::Overlay, {456, 528, 33, 33}},
};
// clang-format on

class FreshControl : public Form1Fixture, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(FreshControl, OpensAsDesigned) {
    const ControlCase& expected = GetParam();
    QWidget* widget = control(QString::fromLatin1(expected.name));
    const QRect actual = widget->geometry();
    EXPECT_LT(std::abs(actual.x() - expected.place.x()), 1.0);
    EXPECT_LT(std::abs(actual.y() - expected.place.y()), 1.0);
    EXPECT_LT(std::abs(actual.x() + actual.width() - expected.place.right()), 1.0);
    EXPECT_LT(std::abs(actual.y() + actual.height() - expected.place.bottom()), 1.0);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_FALSE(widget->accessibleName().isEmpty());
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus,
              expected.kind == Kind::Box || expected.kind == Kind::Button);

    const QString initial = QString::fromUtf8(expected.text);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_EQ(expected.kind, Kind::Box);
        EXPECT_EQ(box->text(), initial);
        EXPECT_TRUE(box->hasFrame());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        EXPECT_EQ(expected.kind, Kind::Button);
        EXPECT_EQ(button->text(), initial);
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        EXPECT_EQ(label->text(), initial);
        // Figures are opaque grey boxes, the overlays over the picture transparent.
        const bool figure = expected.kind == Kind::Figure || expected.kind == Kind::Total;
        EXPECT_EQ(label->autoFillBackground(), figure);
        if (figure) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                      expected.kind == Kind::Total ? Qt::AlignHCenter : Qt::AlignLeft);
            EXPECT_EQ(label->palette().color(label->backgroundRole()),
                      QApplication::palette().color(QPalette::Button));
        }
    } else {
        EXPECT_EQ(expected.kind, Kind::Image);
    }
}

INSTANTIATE_TEST_SUITE_P(AllControls, FreshControl, ::testing::ValuesIn(kControls),
                         [](const auto& row) { return std::string(row.param.name); });

using FreshWindow = Form1Fixture;

TEST_F(FreshWindow, IsABorderlessFixedWindowAtItsDesignPositionWithTheFocusInNr1) {
    EXPECT_EQ(m_window->objectName(), "Form1");
    EXPECT_EQ(m_window->windowTitle(), "Form1");
    EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_window->geometry(), QRect(347, 53, 514, 564));
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(256, 256)) && iconSizes.contains(QSize(48, 48)));
    EXPECT_EQ(focusName(), "nr1");
}

// A click on the highlight must reach the close label, and the shared pixel column belongs to
// the portal's link.
TEST_F(FreshWindow, StacksOverlappingControlsAsDesigned) {
    for (const QPoint point : {QPoint(488, 8), QPoint(495, 17), QPoint(501, 26)}) {
        EXPECT_EQ(m_window->childAt(point)->objectName(), "Label2");
    }
    EXPECT_EQ(m_window->childAt(184, 540)->objectName(), "Label6");
    EXPECT_EQ(m_window->childAt(183, 540)->objectName(), "Label5");
    EXPECT_EQ(m_window->childAt(58, 540), nullptr); // right of the cube's label: bare picture
}

// 13 characters of the break-even price fit its label, as in the help picture.
TEST_F(FreshWindow, FontShowsThirteenCharactersOfTheBreakEvenPrice) {
    auto* label = control<QLabel>("Label3");
    const QString figure = "8.94240963855422";
    const QFontMetrics metrics(label->font());
    qsizetype shown = 0;
    while (shown < figure.size() &&
           metrics.horizontalAdvance(figure.left(shown + 1)) <= label->contentsRect().width()) {
        ++shown;
    }
    EXPECT_EQ(shown, 13);
}

} // namespace
} // namespace pelmora::testing
