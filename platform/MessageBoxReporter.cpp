#include "platform/MessageBoxReporter.h"

#include <QMessageBox>

namespace pelmora {

void MessageBoxReporter::report(QWidget* window, const QString& message) {
    QMessageBox::warning(window, QStringLiteral("无法计算"), message);
}

} // namespace pelmora
