// Qt's own texts read in Chinese whatever the system's language, the program is known to the
// desktop by its desktop entry, and its interface font carries its own CJK face.
#include "platform/ApplicationSetup.h"
#include "ui/Desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace pelmora::test {
namespace {

TEST(QtTexts, MessageBoxButtonSaysQueDing) {
    QWidget window;
    window.show();
    QStringList buttons;
    QTimer::singleShot(0, &window, [&buttons] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            for (QAbstractButton* button : box->buttons()) {
                buttons.push_back(button->text());
            }
            box->buttons().front()->click();
        }
    });
    tellUser(&window, "无法计算", "「卖出价格」是空的，请填入一个数字。");
    EXPECT_EQ(buttons, QStringList{"确定"});
}

TEST(QtTexts, TextBoxContextMenuIsChinese) {
    QLineEdit box(QStringLiteral("600"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries.push_back(action->text().section(u'\t', 0, 0)); // without the shortcut
        }
    }
    EXPECT_TRUE(entries.join(' ').contains("全选")) << entries.join(' ').toStdString();
    EXPECT_TRUE(entries.join(' ').contains("复制"));
    for (const QString& entry : entries) {
        EXPECT_FALSE(entry.contains(QRegularExpression("[A-Za-z]{3,}")))
            << entry.toStdString() << " is not translated";
    }
}

// Number reading and the locale checks depend on the system locale staying the default.
TEST(QtTexts, LeaveTheLocaleAsTheSystemHasIt) {
    EXPECT_EQ(QLocale(), QLocale::system());
}

TEST(Desktop, KnowsTheProgramByItsDesktopEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.pelmora.Pelmora");
    EXPECT_EQ(QCoreApplication::applicationName(), "Pelmora");
    EXPECT_EQ(QCoreApplication::organizationName(), "Pelmora");
}

TEST(InterfaceFont, TakesChineseFromTheEmbeddedFaceAndDigitsFromThePlatform) {
    const QStringList families = QApplication::font().families();
    ASSERT_EQ(families.size(), 2);
    EXPECT_EQ(families.at(1), "Pelmora CJK");
    EXPECT_NE(QFontInfo(QApplication::font()).family(), "Pelmora CJK");
}

} // namespace
} // namespace pelmora::test
