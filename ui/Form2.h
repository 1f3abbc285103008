#pragma once

#include "ui/BorderlessWindow.h"

namespace pelmora {

// The help window: one picture that explains the main window's input fields with the worked
// example. Its close glyph only hides it; it keeps its place and its highlight until it is
// shown again.
class Form2 final : public BorderlessWindow {
    Q_OBJECT

public:
    Form2();

private:
    void Label2_Click() override;
};

} // namespace pelmora
