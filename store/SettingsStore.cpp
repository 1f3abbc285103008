#include "store/SettingsStore.h"

#include "store/DataPlaces.h"
#include "store/FileStamp.h"
#include "store/StoredValues.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <utility>

namespace pelmora {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isNamed(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() || info.isSymLink();
}

// Qt parses each section as it is first read, and only then says whether its lines were good.
bool readsCleanly(const QSettings& file) {
    (void)file.allKeys();
    return file.status() == QSettings::NoError;
}

// Qt reads a file that opens with a byte-order mark rightly but calls it badly formed.
bool readsCleanlyWithoutByteOrderMark(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(kByteOrderMark.size()) != kByteOrderMark) {
        return false;
    }
    QTemporaryFile rest;
    if (!rest.open() || rest.write(file.readAll()) < 0 || !rest.flush()) {
        return false;
    }
    return readsCleanly(QSettings(rest.fileName(), QSettings::IniFormat));
}

StoreTroubleReport reportOf(StoreTrouble trouble, const QString& file) {
    StoreTroubleReport report;
    report.trouble = trouble;
    report.file = file;
    return report;
}

} // namespace

SettingsStore::SettingsStore(QObject* parent)
    : QObject(parent),
      m_fileName(QDir(userSettingsRoot()).filePath(QStringLiteral("Pelmora/Pelmora.ini"))) {
    m_readAgain.setSingleShot(true);
    m_readAgain.setInterval(50);
    connect(&m_readAgain, &QTimer::timeout, this, &SettingsStore::readAgain);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_readAgain,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_readAgain,
            qOverload<>(&QTimer::start));
}

SettingsStore::~SettingsStore() = default;

FeeSettings SettingsStore::load() {
    m_stored = readRepairing();
    watch();
    return m_stored;
}

void SettingsStore::save(const FeeSettings& settings) {
    if (m_leftAlone) {
        return; // and said so when it was left alone
    }
    if (!write(settings, false) && !m_leftAlone) {
        meet(reportOf(StoreTrouble::Unwritable, m_fileName));
    }
    watch();
    // The save merged whatever another copy had saved since this one last read.
    m_readAgain.start();
}

std::optional<StoreTroubleReport> SettingsStore::takeTrouble() {
    if (m_unreported.empty()) {
        return std::nullopt;
    }
    StoreTroubleReport report = std::move(m_unreported.front());
    m_unreported.pop_front();
    return report;
}

bool SettingsStore::mayOpen() {
    if (m_leftAlone) {
        return false;
    }
    const QFileInfo info(m_fileName);
    // isFile() follows a symbolic link; a link to nothing is no file either.
    if (info.isFile() || !isNamed(m_fileName)) {
        return true;
    }
    // Opening a pipe or a device for reading could wait for ever.
    m_leftAlone = true;
    m_file.reset();
    watch();
    meet(reportOf(StoreTrouble::NotAFile, m_fileName));
    return false;
}

FeeSettings SettingsStore::readRepairing() {
    if (!mayOpen()) {
        return m_stored;
    }
    // A new reader: the status of the one before may tell of an earlier read.
    m_file.reset();
    m_file = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    StoredValues values = readStoredValues(*m_file);
    const bool cleanLines = readsCleanly(*m_file) || (m_file->status() == QSettings::FormatError &&
                                                      readsCleanlyWithoutByteOrderMark(m_fileName));
    if (!values.replaced.empty() || !cleanLines) {
        StoreTroubleReport report = reportOf(StoreTrouble::Damaged, m_fileName);
        report.replaced = std::move(values.replaced);
        report.unreadableLines = !cleanLines;
        repair(std::move(report), values.settings);
    }
    return values.settings;
}

void SettingsStore::repair(StoreTroubleReport report, const FeeSettings& repaired) {
    // Lines that hold no setting say this is likely no settings file, perhaps a system file
    // behind a link: it is moved aside whole, never written through, and a new file takes its
    // place. A settings file with a bad value is copied and repaired where it is, keeping what
    // this version does not know.
    report.damagedCopy = keepDamaged(report.unreadableLines);
    if (!report.damagedCopy.isEmpty()) {
        if (report.unreadableLines) {
            m_file.reset();
            m_file = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
        }
        report.repairWritten = write(repaired, true);
    }
    if (!report.repairWritten) {
        // Without a copy, writing would lose what the file held; and a repair that cannot be
        // written would be tried, and a copy made, at every read.
        m_leftAlone = true;
        watch();
    }
    meet(std::move(report));
}

QString SettingsStore::keepDamaged(bool moveAside) const {
    const QString dated = m_fileName + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int clash = 1; clash <= 100; ++clash) {
        QString name = clash == 1 ? dated : dated + u'-' + QString::number(clash);
        if (isNamed(name)) {
            continue;
        }
        // Neither overwrites; both fail too where the folder takes no new name.
        if (moveAside ? QFile::rename(m_fileName, name) : QFile::copy(m_fileName, name)) {
            return name;
        }
        if (!isNamed(name)) {
            return {};
        }
    }
    return {};
}

bool SettingsStore::write(const FeeSettings& settings, bool everyKey) {
    if (!mayOpen()) {
        return false;
    }
    if (!m_file) {
        m_file = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    }
    bool anyKey = false;
    for (const StoredKey& stored : kStoredKeys) {
        const std::optional<QString> text = storedText(settings, stored.setting);
        if (!everyKey && text == storedText(m_stored, stored.setting)) {
            continue; // another copy may have changed it, and this one did not
        }
        anyKey = true;
        const QString key = QString::fromLatin1(stored.key);
        if (text) {
            m_file->setValue(key, *text);
        } else {
            m_file->remove(key);
        }
    }
    if (!anyKey) {
        return true;
    }
    const FileStamp before = stampOf(m_fileName);
    m_file->sync();
    const FileStamp after = stampOf(m_fileName);
    const bool written =
        after.exists && !(after == before) && m_file->status() != QSettings::AccessError;
    if (written) {
        m_stored = settings;
    }
    return written;
}

void SettingsStore::readAgain() {
    if (m_leftAlone) {
        return;
    }
    watch();
    if (!isNamed(m_fileName)) {
        // Removed: the next save writes every setting that is not at its default.
        m_stored = FeeSettings{};
        return;
    }
    const FeeSettings before = m_stored;
    m_stored = readRepairing();
    if (m_stored != before) {
        Q_EMIT changedElsewhere(m_stored);
    }
    if (!m_unreported.empty()) {
        Q_EMIT troubleMet();
    }
}

void SettingsStore::watch() {
    const QString folder = QFileInfo(m_fileName).absolutePath();
    if (m_leftAlone) {
        if (!m_watcher.files().isEmpty() || !m_watcher.directories().isEmpty()) {
            m_watcher.removePaths(m_watcher.files() + m_watcher.directories());
        }
        return;
    }
    // A save replaces the file, which ends the watch on it: the folder's watch sees the new one.
    if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder)) {
        m_watcher.addPath(folder);
    }
    if (QFileInfo(m_fileName).isFile() && !m_watcher.files().contains(m_fileName)) {
        m_watcher.addPath(m_fileName);
    }
}

void SettingsStore::meet(StoreTroubleReport report) {
    if (m_met.insert(report.trouble).second) {
        m_unreported.push_back(std::move(report));
    }
}

} // namespace pelmora
