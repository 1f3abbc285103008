#pragma once

namespace pelmora {

// Qt ends a program that cannot reach a display with an English message and an abort. From
// before the QApplication is made until displayReached(), a failure to start the window system
// instead ends the program with status 1 and a short message in Chinese and English on standard
// error. Qt's own start-up messages are held back meanwhile, and passed on once the display is
// reached.
void guardDisplayStart();
void displayReached();

} // namespace pelmora
