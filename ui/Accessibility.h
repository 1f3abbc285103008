#pragma once

namespace pelmora {

// What assistive technology gets beyond Qt's own: the windows as frames with their names, each
// result label's figure (its description and its text, announced on every change), and a
// "press" action on the clickable drawn elements (close glyphs, link icons) that does what a
// click does without taking the keyboard focus. Installs the accessibility factory once; needs
// the QApplication to exist.
void installAccessibility();

} // namespace pelmora
