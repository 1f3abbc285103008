#pragma once

#include <QFont>

namespace pelmora {

// The user-interface font: the platform's family and style, with only the pixel size changed,
// to the largest size whose digits are at most 6.5 px wide. A line of digits then fits the
// 17-px result labels and the 18-px text boxes, as the layout was designed for.
QFont interfaceFont(const QFont& platformFont);

// The look every window of the program shares, set once on the application before any window
// is made: the built-in "Windows" style, which draws text boxes with a sunken 3-D frame on every
// platform, and the interface font.
void setUpApplication();

} // namespace pelmora
