#include "ui/Form2.h"

#include "design/HelpWindowDesign.h"

namespace pelmora {

Form2::Form2() : SecondaryWindow(kHelpWindow) {
    // The advice is pixels of the picture; a screen reader gets it as the window's description.
    setAccessibleDescription(QString::fromStdString(adviceText()));
}

} // namespace pelmora
