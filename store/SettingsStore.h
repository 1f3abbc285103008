#pragma once

#include "store/FeeSettings.h"
#include "store/StoreTrouble.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <set>

class QSettings;

namespace pelmora {

// The settings the program remembers between runs, in an INI file in the user's configuration
// folder ($XDG_CONFIG_HOME/Pelmora/Pelmora.ini on Linux).
//
// A missing file is a first start. A file is read value by value: a value that does not check
// out falls back to its default, the others are kept, the file as it was is kept under a dated
// name and the repaired settings are written back. Keys it does not know (a newer version's) are
// kept. A name taken by something else than a file is never opened. Only the settings that
// changed are written, so that copies of the program running side by side keep each other's
// changes, and a change another copy makes is taken up as it lands. Troubles never stop the
// program; each kind is reported once.
class SettingsStore final : public QObject {
    Q_OBJECT

public:
    explicit SettingsStore(QObject* parent = nullptr);
    ~SettingsStore() override;
    Q_DISABLE_COPY_MOVE(SettingsStore)

    [[nodiscard]] FeeSettings load();
    void save(const FeeSettings& settings);

    // The troubles met and not reported yet, the first of each kind, oldest first.
    [[nodiscard]] std::optional<StoreTroubleReport> takeTrouble();

    [[nodiscard]] QString fileName() const { return m_fileName; }

Q_SIGNALS:
    // The file now holds other settings than this copy last read or wrote: another copy of the
    // program, or a hand, changed it.
    void changedElsewhere(const pelmora::FeeSettings& settings);
    // A trouble was met outside load() and save(), while the file was read again.
    void troubleMet();

private:
    // False, after reporting it, when the name is taken by something else than a file.
    bool mayOpen();
    // Reads the file afresh, repairing it where it is damaged.
    FeeSettings readRepairing();
    void repair(StoreTroubleReport report, const FeeSettings& repaired);
    // Where the damaged file is kept, moved or copied; empty when it could not be.
    [[nodiscard]] QString keepDamaged(bool moveAside) const;
    bool write(const FeeSettings& settings, bool everyKey);
    void readAgain();
    void watch();
    void meet(StoreTroubleReport report);

    QString m_fileName;
    std::unique_ptr<QSettings> m_file;
    // Set when the file must not be touched again this session.
    bool m_leftAlone = false;
    // What the file holds, as far as this copy knows: written or read last.
    FeeSettings m_stored;
    QFileSystemWatcher m_watcher;
    // Another copy's save is a burst of changes in the folder; they are read once.
    QTimer m_readAgain;
    std::deque<StoreTroubleReport> m_unreported;
    std::set<StoreTrouble> m_met;
};

} // namespace pelmora
