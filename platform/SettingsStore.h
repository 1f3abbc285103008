#pragma once

#include "platform/FeeSettings.h"
#include "platform/StoreTrouble.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <set>

class QSettings;

namespace pelmora {

// The settings the program remembers between runs, in an INI file in the user's configuration
// folder ($XDG_CONFIG_HOME/Pelmora/Pelmora.ini on Linux), written whenever they change.
//
// A missing file is a first start: the defaults, and no trouble. Whatever the file holds is
// checked value by value, since QSettings reads random bytes and bad values without an error: a
// value that does not check out is replaced by its default, and a file that held one is moved
// aside. Troubles never stop the program; each kind is reported once.
class SettingsStore final : public QObject {
    Q_OBJECT

public:
    explicit SettingsStore(QObject* parent = nullptr);
    ~SettingsStore() override;
    Q_DISABLE_COPY_MOVE(SettingsStore)

    [[nodiscard]] FeeSettings load();
    void save(const FeeSettings& settings);

    // A trouble met and not reported yet, once for each kind.
    [[nodiscard]] std::optional<StoreTrouble> takeTrouble();

    [[nodiscard]] QString fileName() const { return m_fileName; }
    // Where a damaged file is moved.
    [[nodiscard]] QString setAsideName() const { return m_fileName + QStringLiteral(".damaged"); }

private:
    void meet(StoreTrouble trouble);

    QString m_fileName;
    std::unique_ptr<QSettings> m_file;
    std::optional<StoreTrouble> m_unreported;
    std::set<StoreTrouble> m_met;
};

} // namespace pelmora
