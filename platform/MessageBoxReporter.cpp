#include "platform/MessageBoxReporter.h"

#include <QMessageBox>

namespace pelmora {

void MessageBoxReporter::report(QWidget* window, const QString& title, const QString& message) {
    QMessageBox::warning(window, title, message);
}

} // namespace pelmora
