#pragma once

#include <memory>

namespace pelmora {

class Form1;

// What the program does before its event loop: the application's look, then the main window,
// created and shown. The start-up benchmark runs exactly this too. Needs a QApplication.
std::unique_ptr<Form1> startPelmora();

} // namespace pelmora
