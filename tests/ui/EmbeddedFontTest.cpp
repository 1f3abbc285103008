// The embedded CJK face holds every character the program writes itself, so no caption or
// message of the program falls back to whatever fonts a system happens to have. A text added
// without cutting the face again (cmake --build ... --target regenerate-font) fails here.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace pelmora::test {
namespace {

QRawFont embeddedFace() {
    QFile file(QStringLiteral(":/fonts/PelmoraCJK.otf"));
    return file.open(QIODevice::ReadOnly) ? QRawFont(file.readAll(), 12) : QRawFont();
}

void collect(const QString& text, std::set<char32_t>& characters) {
    for (const char32_t c : text.toUcs4()) {
        if (c > 0x7F && !QChar::isSpace(c)) {
            characters.insert(c);
        }
    }
}

QString missingFrom(const QRawFont& face, const std::set<char32_t>& characters) {
    QString missing;
    for (const char32_t c : characters) {
        if (!face.supportsCharacter(c)) {
            missing += QString::fromUcs4(&c, 1);
        }
    }
    return missing;
}

TEST(EmbeddedFace, HoldsEveryCharacterOfTheProgramsSources) {
    const QRawFont face = embeddedFace();
    ASSERT_TRUE(face.isValid());
    std::set<char32_t> characters;
    int files = 0;
    for (const QString& folder : QString::fromUtf8(PELMORA_TEXT_SOURCES).split(':')) {
        QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile source(it.next());
            ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << source.fileName().toStdString();
            collect(QString::fromUtf8(source.readAll()), characters);
            ++files;
        }
    }
    EXPECT_GT(files, 10);
    EXPECT_GT(characters.size(), 100U);
    EXPECT_EQ(missingFrom(face, characters).toStdString(), "");
}

TEST(EmbeddedFace, HoldsQtsOwnTextsAsTranslated) {
    std::set<char32_t> characters;
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        collect(action->text(), characters);
    }
    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                   QDialogButtonBox::Close | QDialogButtonBox::Yes |
                                   QDialogButtonBox::No);
    for (const QAbstractButton* button : buttons.buttons()) {
        collect(button->text(), characters);
    }
    EXPECT_GT(characters.size(), 10U) << "Qt's texts are not translated";
    EXPECT_EQ(missingFrom(embeddedFace(), characters).toStdString(), "");
}

} // namespace
} // namespace pelmora::test
