#include "platform/LinkOpener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>

namespace pelmora {
namespace {

constexpr std::chrono::seconds kPatience{5};
constexpr int kCommandNotFound = 127;

// The opener runs as a background job of a shell that only waits for it and passes its exit
// status on. Letting go of the watch ends that shell alone; the opener, and a browser it runs,
// go on as the shell's orphans.
class OpenerWatch final : public QObject {
public:
    OpenerWatch(const QUrl& address, QObject& context, std::function<void(LinkFailure)> failed)
        : QObject(&context), m_failed(std::move(failed)) {
        connect(&m_shell, &QProcess::finished, this, &OpenerWatch::openerEnded);
        connect(&m_shell, &QProcess::errorOccurred, this, &OpenerWatch::shellFailed);
        QTimer::singleShot(kPatience, this, &OpenerWatch::letGo);
        m_shell.setStandardInputFile(QProcess::nullDevice());
        m_shell.setStandardOutputFile(QProcess::nullDevice());
        m_shell.setStandardErrorFile(QProcess::nullDevice());
        m_shell.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("\"$0\" \"$1\" & wait $!"),
                       QStringLiteral("xdg-open"), address.toString(QUrl::FullyEncoded)});
    }

    ~OpenerWatch() override { stopWatching(); }
    Q_DISABLE_COPY_MOVE(OpenerWatch)

private:
    void openerEnded(int status, QProcess::ExitStatus how) {
        if (how != QProcess::NormalExit || status != 0) {
            m_failed(status == kCommandNotFound ? LinkFailure::NoOpener
                                                : LinkFailure::OpenerFailed);
        }
        deleteLater();
    }

    void shellFailed(QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            m_failed(LinkFailure::NoOpener);
            deleteLater();
        }
    }

    void letGo() {
        stopWatching();
        deleteLater();
    }

    void stopWatching() {
        m_shell.disconnect(this);
        if (m_shell.state() != QProcess::NotRunning) {
            m_shell.kill();
            m_shell.waitForFinished();
        }
    }

    std::function<void(LinkFailure)> m_failed;
    QProcess m_shell;
};

} // namespace

// QDesktopServices would only say whether xdg-open started, not whether it opened anything.
void openLink(const QUrl& address, QObject& context, std::function<void(LinkFailure)> failed) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        QTimer::singleShot(0, &context,
                           [failed = std::move(failed)] { failed(LinkFailure::NoOpener); });
        return;
    }
    new OpenerWatch(address, context, std::move(failed));
}

} // namespace pelmora
