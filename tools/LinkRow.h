#pragma once

#include "design/MainWindowDesign.h"
#include "tools/DesignPixels.h"

#include <QRect>

class QPainter;

namespace pelmora::drawing {

// Where the main window lays its settings button, a bare label over the link row's gear.
inline constexpr QRect kSettingsButton = pixelRect(linkIconControl(LinkIcon::Settings).place);
// The gear's size in the link row: as large as the row allows with room for the lit gear's glow.
inline constexpr qreal kLinkRowGearSize = 24;

// The row of icons under the panels of the main picture: chat group, broker, finance portal,
// settings, blog and help.
void drawLinkRow(QPainter& painter);

} // namespace pelmora::drawing
