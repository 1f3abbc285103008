#include "platform/SystemPlaces.h"

#include <QLibraryInfo>
#include <QStandardPaths>

namespace pelmora {

QString userSettingsRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace pelmora
