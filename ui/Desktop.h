#pragma once

#include <QString>

class QWidget;

namespace pelmora {

class Form1;
class SettingsStore;

// Shows `message` in a modal warning box over `window` and returns once the user has closed it.
// The text can be selected, so an address or a figure in it can be copied.
void tellUser(QWidget* window, const QString& title, const QString& message);

// Answers what the main window announces: a failed calculation or a refused setting in a
// message box, a web page in the user's browser (and a message when that cannot be done),
// changed settings in the store, the end of the program by leaving the application's event loop
// with status 0. A trouble of the store is told once, the one met loading it as soon as the
// event loop runs.
void connectToDesktop(Form1& window, SettingsStore& store);

} // namespace pelmora
