#pragma once

class QPainter;

namespace pelmora::drawing {

// The row of five icons under the panels of the main picture: chat group, broker, finance
// portal, blog and help.
void drawLinkRow(QPainter& painter);

} // namespace pelmora::drawing
