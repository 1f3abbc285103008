#pragma once

#include "platform/FailureReporter.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace pelmora::testing {

// Keeps what the window reports instead of showing a modal box.
class RecordingReporter final : public FailureReporter {
public:
    explicit RecordingReporter(QStringList& messages) : m_messages(messages) {}

    void report(QWidget* /*window*/, const QString& /*title*/, const QString& message) override {
        m_messages.push_back(message);
    }

private:
    QStringList& m_messages;
};

// A fresh, shown and active main window, driven as a user would drive it.
class Form1Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<Form1>(std::make_unique<RecordingReporter>(m_messages));
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
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

    [[nodiscard]] QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    QStringList m_messages; // outlives the window that reports into it
    std::unique_ptr<Form1> m_window;
};

} // namespace pelmora::testing
