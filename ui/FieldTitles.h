#pragma once

#include "calc/FieldId.h"

#include <QString>

namespace pelmora {

// What the headings drawn over a field's control say, e.g. "第2行 买进数量" or "卖出价格": the
// name the user knows the field by. The headings are pixels of the picture, so screen readers
// and messages need it as text.
QString fieldTitle(FieldId field);

} // namespace pelmora
