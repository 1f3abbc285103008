#pragma once

#include "ui/SecondaryWindow.h"

namespace pelmora {

// The help window: one picture that explains the main window's input fields with the worked
// example.
class Form2 final : public SecondaryWindow {
    Q_OBJECT

public:
    Form2();
};

} // namespace pelmora
