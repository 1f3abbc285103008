#pragma once

#include "tools/LinkRow.h"

#include <QImage>
#include <QSize>

namespace pelmora::drawing {

// The lit gear replaces the settings button's whole box, so it hides the silver gear beneath.
inline constexpr QSize kGearLitSize = kSettingsButton.size();
inline constexpr QSize kFullCostMarkerSize = pixelRect(kFullCostMarker.place).size();

// Shown while the full-cost mode is on: the link row's gear lit, and a marker naming the mode
// beside the portrait.
QImage drawGearLit(int scale);
QImage drawFullCostMarker(int scale);

} // namespace pelmora::drawing
