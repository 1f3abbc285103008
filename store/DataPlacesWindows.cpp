#include "store/DataPlaces.h"

#include <QDir>
#include <QStandardPaths>

namespace pelmora {

namespace {

QString folderOf(const char* variable, QStandardPaths::StandardLocation fallback) {
    const QString folder = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
    return folder.isEmpty() ? QStandardPaths::writableLocation(fallback) : folder;
}

} // namespace

// The roaming application data folder, where a Windows user looks for a program's settings and
// which follows a user from PC to PC in a domain; Qt's configuration folder is the local one.
QString userSettingsRoot() {
    return folderOf("APPDATA", QStandardPaths::GenericConfigLocation);
}

QString userDataRoot() {
    return folderOf("LOCALAPPDATA", QStandardPaths::GenericDataLocation);
}

} // namespace pelmora
