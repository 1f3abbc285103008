#pragma once

#include <QFont>
#include <QString>

namespace pelmora {

// The user-interface font: the platform's family and style, with only the pixel size changed,
// to the largest size whose digits are at most 6.5 px wide. A line of digits then fits the
// 17-px result labels and the 18-px text boxes, as the layout was designed for. Chinese comes
// from `cjkFamily` when it is given, ahead of whatever the system would pick.
QFont interfaceFont(const QFont& platformFont, const QString& cjkFamily = {});

// What the program is called on the desktop: its name, its maker and its desktop entry.
void nameApplication();

// Qt's own texts (the buttons of a message box, a text box's context menu) in Chinese like the
// rest of the program: in the user's Chinese when the system speaks Chinese, in Simplified
// Chinese otherwise. Only translations are loaded; the locale itself stays the system's.
void loadQtTranslations();

// Whether the user's locale writes a comma as its decimal point (de_DE, fr_FR, ...). The program
// reads "." alone as the decimal point, and then takes no comma for grouping either.
bool usesDecimalComma();

// The look every window of the program shares, set once on the application before any window
// is made: the built-in "Windows" style, which draws text boxes with a sunken 3-D frame on every
// platform, and the interface font with the program's embedded CJK face.
void setUpApplication();

} // namespace pelmora
