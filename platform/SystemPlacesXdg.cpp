#include "platform/SystemPlaces.h"

#include <QLibraryInfo>

namespace pelmora {

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace pelmora
