#pragma once

class QWidget;

namespace pelmora {

// The journal's windows have the system's frame and Qt's layouts, since their tables grow, but
// the program's colours: white words on the black of its pictures, and boxes and tables white
// like its text boxes.
void giveProgramColours(QWidget& window);

} // namespace pelmora
