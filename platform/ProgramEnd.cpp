#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace pelmora {

void ApplicationEnd::end() {
    // exit() rather than quit(): Qt 6 lets quit() be refused by a window's close handling, and
    // nothing may stand between the close glyph and the end.
    QCoreApplication::exit(0);
}

} // namespace pelmora
