#pragma once

#include <QUrl>

namespace pelmora {

// Opens a web address in the user's default browser and returns at once; what the browser then
// does is not followed up.
class Launcher {
public:
    Launcher() = default;
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;
    Launcher(Launcher&&) = delete;
    Launcher& operator=(Launcher&&) = delete;
    virtual ~Launcher() = default;

    // False when the address could not be handed on at all (no opener for it on this desktop),
    // so that the caller can tell the user instead of leaving the click without an answer.
    [[nodiscard]] virtual bool open(const QUrl& address) = 0;
};

// Hands the address to the desktop's usual opener: xdg-open on Linux, the shell on Windows.
class DesktopLauncher final : public Launcher {
public:
    [[nodiscard]] bool open(const QUrl& address) override;
};

} // namespace pelmora
