#include "ui/Accessibility.h"

#include "ui/BorderlessWindow.h"
#include "ui/Form5.h"
#include "ui/OverlayLabel.h"
#include "ui/ResultLabel.h"

#include <QAccessibleWidget>

namespace pelmora {
namespace {

// A picture-backed window, and the journal's, is a frame to a screen reader, not a filler.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A drawn element that reacts to a click: pressing it is the click.
class PressableAccessible final : public QAccessibleWidget {
public:
    explicit PressableAccessible(OverlayLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {
        addControllingSignal(QStringLiteral("click()"));
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<OverlayLabel*>(widget())->press();
        }
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString& /*action*/) const override {
        return {};
    }
};

// A result label: named by its heading, its figure as description, value and text.
class FigureAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FigureAccessible(ResultLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description || kind == QAccessible::Value) {
            return figure();
        }
        return QAccessibleWidget::text(kind);
    }

    // The text interface, read only: the figure, with no caret and no selection to offer.
    [[nodiscard]] QString text(int start, int end) const override {
        return figure().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(figure().size()); }
    void selection(int /*index*/, int* start, int* end) const override {
        *start = 0;
        *end = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    [[nodiscard]] QString figure() const { return static_cast<ResultLabel*>(widget())->text(); }
};

QAccessibleInterface* pelmoraAccessible(const QString& className, QObject* object) {
    if (auto* label = qobject_cast<ResultLabel*>(object)) {
        return new FigureAccessible(label);
    }
    if (auto* label = qobject_cast<OverlayLabel*>(object); label != nullptr && label->clickable()) {
        return new PressableAccessible(label);
    }
    if (auto* window = qobject_cast<BorderlessWindow*>(object)) {
        return new WindowAccessible(window);
    }
    if (auto* window = qobject_cast<Form5*>(object)) {
        return new WindowAccessible(window);
    }
    Q_UNUSED(className)
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(pelmoraAccessible);
        installed = true;
    }
}

} // namespace pelmora
