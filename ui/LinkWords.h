#pragma once

#include "platform/LinkOpener.h"

#include <QString>
#include <QUrl>

namespace pelmora {

// The title of the message about a web page that did not open.
QString linkFailureTitle();

// Says why a web page did not open, with its address for the user to copy.
QString describeLinkFailure(LinkFailure failure, const QUrl& address);

} // namespace pelmora
