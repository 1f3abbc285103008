#include "store/DataPlaces.h"
#include "store/Journal.h"

#include <QDir>
#include <QtGlobal>

namespace pelmora {

QString defaultJournalFile() {
    QString given = qEnvironmentVariable("PELMORA_JOURNAL");
    if (!given.isEmpty()) {
        return given;
    }
    return QDir(userDataRoot()).filePath(QStringLiteral("Pelmora/journal.sqlite"));
}

} // namespace pelmora
