#include "platform/LinkOpener.h"

#include <QDesktopServices>
#include <QTimer>

namespace pelmora {

// The shell opens the address with the handler the user chose and says at once whether it could;
// the failure is reported later, as the watched opener of Linux reports it.
void openLink(const QUrl& address, QObject& context, std::function<void(LinkFailure)> failed) {
    if (!QDesktopServices::openUrl(address)) {
        QTimer::singleShot(0, &context,
                           [failed = std::move(failed)] { failed(LinkFailure::NoOpener); });
    }
}

} // namespace pelmora
