#include "platform/Launcher.h"

#include <QDesktopServices>

namespace pelmora {

bool DesktopLauncher::open(const QUrl& address) {
    // True once the opener has started; a browser that then fails tells the user itself.
    return QDesktopServices::openUrl(address);
}

} // namespace pelmora
