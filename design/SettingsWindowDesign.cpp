#include "design/SettingsWindowDesign.h"

namespace pelmora {

std::string accessibleNameOf(const SettingRow& row) {
    std::string name(row.heading);
    if (!row.unit.empty()) {
        name.append(" ").append(row.unit);
    }
    return name;
}

} // namespace pelmora
