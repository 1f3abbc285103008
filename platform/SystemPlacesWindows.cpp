#include "platform/SystemPlaces.h"

#include <QDir>
#include <QStandardPaths>

namespace pelmora {

// The roaming application data folder, where a Windows user looks for a program's settings and
// which follows a user from PC to PC in a domain; Qt's configuration folder is the local one.
QString userSettingsRoot() {
    const QString roaming = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    return roaming.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               : roaming;
}

QString qtTranslationsFolder() {
    return QStringLiteral(":/translations");
}

} // namespace pelmora
