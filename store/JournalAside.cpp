#include "store/JournalAside.h"

#include <QDateTime>
#include <QFileInfo>
#include <array>
#include <filesystem>
#include <system_error>

namespace pelmora {
namespace {

constexpr std::array kCompanions = {"-wal", "-shm", "-journal"};
constexpr int kMostClashes = 100;

bool isNamed(const QString& name) {
    const QFileInfo info(name);
    return info.exists() || info.isSymLink();
}

std::filesystem::path pathOf(const QString& name) {
    return {name.toStdU16String()};
}

// A plain rename, which moves a link rather than what it points to and never copies.
bool rename(const QString& from, const QString& to) {
    std::error_code failed;
    std::filesystem::rename(pathOf(from), pathOf(to), failed);
    return !failed;
}

bool allFree(const QStringList& names) {
    for (const QString& name : names) {
        if (isNamed(name)) {
            return false;
        }
    }
    return true;
}

} // namespace

QStringList journalFileSet(const QString& file) {
    QStringList names{file};
    for (const char* companion : kCompanions) {
        names.append(file + QLatin1String(companion));
    }
    return names;
}

QString keepJournalAside(const QString& file) {
    const QString dated = file + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QStringList from = journalFileSet(file);
    for (int clash = 1; clash <= kMostClashes; ++clash) {
        QString name = clash == 1 ? dated : dated + u'-' + QString::number(clash);
        const QStringList to = journalFileSet(name);
        if (!allFree(to)) {
            continue;
        }
        qsizetype moved = 0;
        for (; moved < from.size(); ++moved) {
            if (isNamed(from[moved]) && !rename(from[moved], to[moved])) {
                break;
            }
        }
        if (moved == from.size()) {
            return name;
        }
        // A log left beside a new journal would be played into it.
        while (moved-- > 0) {
            if (isNamed(to[moved])) {
                rename(to[moved], from[moved]);
            }
        }
        return {};
    }
    return {};
}

} // namespace pelmora
