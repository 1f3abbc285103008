#include "ui/SecondaryWindow.h"

#include <QIcon>

namespace pelmora {

SecondaryWindow::SecondaryWindow(const WindowFrame& frame) : BorderlessWindow(frame) {
    // No icon of its own, so the window system shows its default one. Set empty on purpose: Qt
    // gives the application's icon, should there ever be one, to windows that set none.
    setWindowIcon(QIcon());
}

void SecondaryWindow::Label2_Click() {
    hide();
    Q_EMIT hiddenByGlyph();
}

} // namespace pelmora
