#include "ui/SecondaryWindow.h"

#include "ui/WindowWords.h"

#include <QIcon>
#include <QShortcut>

namespace pelmora {

SecondaryWindow::SecondaryWindow(const WindowFrame& frame) : BorderlessWindow(frame) {
    // No icon of its own, so the window system shows its default one. Set empty on purpose: Qt
    // gives the application's icon, should there ever be one, to windows that set none.
    setWindowIcon(QIcon());
    // Esc does what the close glyph does, from whichever control has the keyboard.
    auto* escape = new QShortcut(QKeySequence(kHideKey), this);
    connect(escape, &QShortcut::activated, this, &SecondaryWindow::Label2_Click);
}

void SecondaryWindow::Label2_Click() {
    hide();
    Q_EMIT hiddenByGlyph();
}

} // namespace pelmora
