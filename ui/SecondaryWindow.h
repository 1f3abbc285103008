#pragma once

#include "ui/BorderlessWindow.h"

#include <memory>

namespace pelmora {

// A window the main window opens from one of its icons: no icon of its own, and its close glyph
// (or Esc) only hides it, so it keeps its place and its highlight until it is shown again.
class SecondaryWindow : public BorderlessWindow {
    Q_OBJECT

public:
    ~SecondaryWindow() override = default;
    Q_DISABLE_COPY_MOVE(SecondaryWindow)

protected:
    explicit SecondaryWindow(const WindowFrame& frame);

private:
    void Label2_Click() override;
};

// Shows `window`, made by `make` at the first call and only shown and hidden after that, so it
// comes back where the user last left it, in front and with the keyboard.
template <typename Window, typename Make>
void showSecondary(std::unique_ptr<Window>& window, Make make) {
    if (!window) {
        window = make();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace pelmora
