#pragma once

#include "platform/FeeSettingsKeeper.h"
#include "tests/ui/SettingsRoot.h"
#include "ui/Desktop.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace pelmora::test {

// A click and a move as the window system delivers them, at a point of the window.
inline void clickAt(QWidget* window, QPoint at) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}
inline void moveTo(QWidget* window, QPoint at) {
    QTest::mouseMove(window->windowHandle(), at);
}

// Presses `button` on the window's title strip, moves the pointer by `travel` in four steps and
// lets go.
inline void dragTitleStrip(QWidget* window, Qt::MouseButton button, QPoint travel) {
    QWindow* handle = window->windowHandle();
    const QPoint start = window->mapToGlobal(QPoint(100, 15));
    QTest::mousePress(handle, button, {}, handle->mapFromGlobal(start));
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(handle, handle->mapFromGlobal(start + travel * step / 4));
    }
    QTest::mouseRelease(handle, button, {}, handle->mapFromGlobal(start + travel));
}

// A fresh, shown and active main window, driven as a user would drive it; what it announces
// (failures, links, the end of the program) is recorded instead of answered.
class Form1Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        // Settings are remembered in a configuration folder of this test's own.
        useSettingsRoot(m_configFolder.path());
        // And the journal too, in a file of its own.
        qputenv("PELMORA_JOURNAL",
                m_configFolder.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
        m_settings = std::make_unique<FeeSettingsKeeper>();
        m_window = std::make_unique<Form1>(*m_settings);
        m_failures = std::make_unique<QSignalSpy>(m_window.get(), &Form1::calculationFailed);
        m_links = std::make_unique<QSignalSpy>(m_window.get(), &Form1::linkRequested);
        m_ends = std::make_unique<QSignalSpy>(m_window.get(), &Form1::endRequested);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Answers what the window and its settings announce as the program does.
    void connectWindowToDesktop() { connectToDesktop(*m_window, *m_settings); }

    // The messages of the failures announced so far.
    [[nodiscard]] QStringList messages() const {
        QStringList said;
        for (const QList<QVariant>& failure : *m_failures) {
            said.push_back(failure.at(0).toString());
        }
        return said;
    }

    [[nodiscard]] QList<QUrl> linksRequested() const {
        QList<QUrl> addresses;
        for (const QList<QVariant>& link : *m_links) {
            addresses.push_back(link.at(0).toUrl());
        }
        return addresses;
    }

    template <typename Control = QWidget>
    [[nodiscard]] Control* control(const QString& name) const {
        auto* found = m_window->findChild<Control*>(name);
        if (found == nullptr) {
            throw std::runtime_error("no control " + name.toStdString() + " of that kind");
        }
        return found;
    }

    // The text a box or a label shows.
    [[nodiscard]] QString text(const QString& name) const {
        if (auto* box = m_window->findChild<QLineEdit*>(name)) {
            return box->text();
        }
        return control<QLabel>(name)->text();
    }

    // Clicks into the box and types over whatever it held.
    void typeInto(const QString& name, const QString& typed) {
        auto* box = control<QLineEdit>(name);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, typed);
    }

    void press(const QString& button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    // The help window once the help icon has made it, else null.
    [[nodiscard]] static QWidget* helpWindow() {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto help = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->objectName() == "Form2";
        });
        return help != windows.end() ? *help : nullptr;
    }

    // Clicks the help icon and waits for the help window.
    QWidget* openHelp() {
        clickAt(m_window.get(), kHelpIcon);
        QWidget* help = helpWindow();
        if (help == nullptr || !QTest::qWaitForWindowExposed(help)) {
            throw std::runtime_error("the help icon showed no help window");
        }
        return help;
    }

    // Clicks the gear and waits for the settings window.
    QWidget* openSettings() {
        clickAt(m_window.get(), kGear);
        QWidget* settings = topLevel(QStringLiteral("Form3"));
        if (settings == nullptr || !QTest::qWaitForWindowExposed(settings)) {
            throw std::runtime_error("the gear showed no settings window");
        }
        return settings;
    }

    // Clicks the trade-tools entry and waits for its window.
    QWidget* openTradeTools() {
        clickAt(m_window.get(), control("Label12")->geometry().center());
        QWidget* tools = topLevel(QStringLiteral("Form4"));
        if (tools == nullptr || !QTest::qWaitForWindowExposed(tools)) {
            throw std::runtime_error("the entry showed no trade-tools window");
        }
        return tools;
    }

    [[nodiscard]] static QWidget* topLevel(const QString& name) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == name) {
                return window;
            }
        }
        return nullptr;
    }

    static constexpr QPoint kHelpIcon{472, 544};
    static constexpr QPoint kGear{316, 545};

    [[nodiscard]] QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    QTemporaryDir m_configFolder;
    // Kept in memory, unless a test starts the window on the store as the program does.
    std::unique_ptr<FeeSettingsKeeper> m_settings;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<QSignalSpy> m_failures;
    std::unique_ptr<QSignalSpy> m_links;
    std::unique_ptr<QSignalSpy> m_ends;
};

} // namespace pelmora::test
