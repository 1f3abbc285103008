#pragma once

#include "design/MainWindowDesign.h"

#include <QString>
#include <string_view>

namespace pelmora {

// What the headings drawn over a field's control say, e.g. "第2行 买进数量" or "卖出价格".
inline QString fieldTitle(FieldId field) {
    const std::string_view heading = fieldControl(field).heading;
    return QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size()));
}

} // namespace pelmora
