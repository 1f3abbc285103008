// The window as it opens: every control where the design puts it, as it looks and starts.
#include "design/MainWindowDesign.h"
#include "tests/ui/Form1Fixture.h"
#include "ui/FieldControls.h"

#include <QApplication>
#include <QRectF>
#include <QSet>

namespace pelmora::test {
namespace {

// Within one pixel of the design's place in twips, which need not divide by 15.
::testing::AssertionResult isPlacedAt(const QWidget& widget, const TwipsRect& place) {
    const QRect actual = widget.geometry();
    const QRectF design(place.left / 15.0, place.top / 15.0, place.width / 15.0,
                        place.height / 15.0);
    const bool close = std::abs(actual.x() - design.x()) < 1.0 &&
                       std::abs(actual.y() - design.y()) < 1.0 &&
                       std::abs(actual.x() + actual.width() - design.right()) < 1.0 &&
                       std::abs(actual.y() + actual.height() - design.bottom()) < 1.0;
    if (close && widget.isVisible()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << widget.objectName().toStdString() << " is at " << actual.x() << ", " << actual.y()
           << " " << actual.width() << " x " << actual.height()
           << (widget.isVisible() ? "" : ", hidden");
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class FieldControlAsDesigned : public Form1Fixture,
                               public ::testing::WithParamInterface<FieldControl> {};

TEST_P(FieldControlAsDesigned, OpensInPlaceWithItsHeadingAndStartingText) {
    const FieldControl& design = GetParam();
    QWidget* widget = control(fromUtf8(fieldName(design.field)));
    EXPECT_TRUE(isPlacedAt(*widget, design.place));
    EXPECT_EQ(widget->accessibleName(), fieldTitle(design.field));
    if (isInputField(design.field)) {
        auto* box = qobject_cast<QLineEdit*>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), fromUtf8(defaultText(design.field)));
        EXPECT_TRUE(box->hasFrame());
        EXPECT_NE(box->focusPolicy(), Qt::NoFocus);
        return;
    }
    // Figures are opaque grey boxes that start empty and take no focus.
    auto* label = qobject_cast<QLabel*>(widget);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
              design.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    EXPECT_EQ(label->palette().color(label->backgroundRole()),
              QApplication::palette().color(QPalette::Button));
}

INSTANTIATE_TEST_SUITE_P(AllFields, FieldControlAsDesigned, ::testing::ValuesIn(kFieldControls),
                         [](const auto& row) { return std::string(fieldName(row.param.field)); });

class ButtonAsDesigned : public Form1Fixture,
                         public ::testing::WithParamInterface<ButtonControl> {};

TEST_P(ButtonAsDesigned, SaysCalculateAndIsNoDefault) {
    auto* button = control<QPushButton>(fromUtf8(GetParam().name));
    EXPECT_TRUE(isPlacedAt(*button, GetParam().place));
    EXPECT_EQ(button->text(), "计算");
    EXPECT_EQ(button->accessibleName(),
              fromUtf8(mainPanel(GetParam().panel).caption) + QStringLiteral(" 计算"));
    EXPECT_FALSE(button->isDefault() || button->autoDefault());
}

INSTANTIATE_TEST_SUITE_P(AllButtons, ButtonAsDesigned, ::testing::ValuesIn(kCalculateButtons),
                         [](const auto& row) { return std::string(row.param.name); });

class LinkIconAsDesigned : public Form1Fixture,
                           public ::testing::WithParamInterface<PlacedControl> {};

TEST_P(LinkIconAsDesigned, IsATransparentLabelWithTheLinkCursor) {
    auto* label = control<QLabel>(fromUtf8(GetParam().name));
    EXPECT_TRUE(isPlacedAt(*label, GetParam().place));
    EXPECT_EQ(label->accessibleName(), fromUtf8(GetParam().accessibleName));
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);
}

INSTANTIATE_TEST_SUITE_P(LinkRow, LinkIconAsDesigned, ::testing::ValuesIn(kLinkIcons),
                         [](const auto& row) { return std::string(row.param.name); });
INSTANTIATE_TEST_SUITE_P(TradeToolsEntry, LinkIconAsDesigned, ::testing::Values(kTradeToolsEntry),
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

// Only the designed pairs overlap: the close glyph's label over its highlight, and the broker's
// and the portal's links in one pixel column. Every control lies within the window.
TEST_F(FreshWindow, OverlapsOnlyWhereDesigned) {
    const QSet<QSet<QString>> designed = {{"Label2", "Image1"}, {"Label5", "Label6"}};
    const QList<QWidget*> controls = m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_GE(controls.size(), 41);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(m_window->rect().contains(controls[i]->geometry()))
            << controls[i]->objectName().toStdString();
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->geometry().intersects(controls[j]->geometry())) {
                EXPECT_TRUE(
                    designed.contains({controls[i]->objectName(), controls[j]->objectName()}))
                    << controls[i]->objectName().toStdString() << " overlaps "
                    << controls[j]->objectName().toStdString();
            }
        }
    }
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
} // namespace pelmora::test
