#pragma once

#include <QString>

class QWidget;

namespace pelmora {

class FeeSettingsKeeper;
class Form1;

// Shows `message` in a modal warning box over `window` and returns once the user has closed it.
// The text can be selected, so an address or a figure in it can be copied.
void tellUser(QWidget* window, const QString& title, const QString& message);

// Answers what the main window and the fee settings announce: a failed calculation, a refused
// setting or a trouble of the settings' store in a message box, a web page in the user's
// browser (and a message when that cannot be done), the end of the program by leaving the
// application's event loop with status 0.
void connectToDesktop(Form1& window, FeeSettingsKeeper& settings);

} // namespace pelmora
