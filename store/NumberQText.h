#pragma once

#include "numbers/NumberText.h"

#include <QString>

namespace pelmora {

// A number as the fields show it ("0.3", "1E+15"), for the texts Qt draws and stores.
inline QString numberQText(double value) {
    return QString::fromStdString(ToText(value));
}

} // namespace pelmora
