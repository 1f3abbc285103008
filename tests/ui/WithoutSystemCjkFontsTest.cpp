// On a system without CJK fonts, the program's own texts still show in Chinese: the captions and
// the messages take their glyphs from the embedded face, not from the fonts installed.
#include "tests/ui/Form1Fixture.h"
#include "ui/Desktop.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QMessageBox>
#include <QRawFont>
#include <QTextLayout>
#include <QTimer>

namespace pelmora::test {
namespace {

// The same control drawn with the embedded face alone, which the test makes sure can draw it.
QImage drawnWithEmbeddedFace(QWidget& control) {
    QFont alone = QApplication::font();
    alone.setFamilies({QStringLiteral("Pelmora CJK")});
    const QFont before = control.font();
    control.setFont(alone);
    QImage image = control.grab().toImage();
    control.setFont(before);
    return image;
}

using WithoutSystemCjkFonts = Form1Fixture;

TEST_F(WithoutSystemCjkFonts, TheSystemHasNoChineseFaceButTheEmbeddedOne) {
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
        EXPECT_EQ(family, "Pelmora CJK");
    }
    EXPECT_FALSE(QFontDatabase::families().contains("Noto Sans CJK SC"));
    EXPECT_TRUE(QFontDatabase::families().contains("Pelmora CJK"));
}

// Every character of `text` as `font` lays it out has a real glyph, the Chinese ones from the
// embedded face: none is the empty box of a missing glyph.
::testing::AssertionResult drawnWithRealGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) {
                return ::testing::AssertionFailure()
                       << "a missing glyph from " << family.toStdString();
            }
        }
    }
    for (const QGlyphRun& run : layout.glyphRuns(0, 1)) {
        if (run.rawFont().familyName() != "Pelmora CJK") {
            return ::testing::AssertionFailure()
                   << "the first character comes from " << run.rawFont().familyName().toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(WithoutSystemCjkFonts, CaptionsAreDrawnInTheEmbeddedFace) {
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        auto* button = control<QPushButton>(name);
        const QImage shown = button->grab().toImage();
        EXPECT_EQ(shown, drawnWithEmbeddedFace(*button)) << name;
        // Not an empty button face either: the caption has dark ink.
        int ink = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 4; x < shown.width() - 4; ++x) {
                ink += qGray(shown.pixel(x, y)) < 96 ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 30) << name;
    }
}

TEST_F(WithoutSystemCjkFonts, AFailureMessageIsDrawnInTheEmbeddedFace) {
    connectWindowToDesktop();
    QString message;
    QFont font;
    QTimer::singleShot(0, m_window.get(), [&message, &font] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                message = text->text();
                font = text->font();
            }
            box->accept();
        }
    });
    press("Command2"); // before the buy side: no totals yet, a message of Chinese only
    ASSERT_FALSE(message.isEmpty());
    EXPECT_TRUE(drawnWithRealGlyphs(message, font)) << message.toStdString();
}

} // namespace
} // namespace pelmora::test
