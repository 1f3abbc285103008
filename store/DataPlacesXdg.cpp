#include "store/DataPlaces.h"

#include <QDir>
#include <QStandardPaths>

namespace pelmora {

QString userSettingsRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Qt's GenericDataLocation is XDG_DATA_HOME, or ~/.local/share where it is unset or not absolute.
QString userDataRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace pelmora
