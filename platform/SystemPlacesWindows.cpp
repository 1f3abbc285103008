#include "platform/SystemPlaces.h"

namespace pelmora {

QString qtTranslationsFolder() {
    return QStringLiteral(":/translations");
}

} // namespace pelmora
