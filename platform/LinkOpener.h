#pragma once

#include <QUrl>
#include <functional>

class QObject;

namespace pelmora {

// Why a web address could not be handed to the browser.
enum class LinkFailure {
    NoOpener,     // the desktop has no program that opens addresses (xdg-open on Linux)
    OpenerFailed, // the opener ran but reported an error, e.g. that no browser is set up
};

// Hands the address to the desktop's opener and returns at once. `failed` is called later, at
// most once, if the opener is missing or exits with an error. An opener still running after
// five seconds counts as having opened the page: without a desktop environment xdg-open runs the
// browser in the foreground until it is closed. Ending the program neither waits for the opener
// nor stops it. `context` bounds the watch: once it is destroyed nothing more is reported.
void openLink(const QUrl& address, QObject& context, std::function<void(LinkFailure)> failed);

} // namespace pelmora
