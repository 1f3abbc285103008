#pragma once

#include "calc/CalcOutcome.h"

#include <QString>
#include <string>

namespace pelmora {

// Why a typed text could not be read, for every window that reads one: `field` is the box as the
// message names it ("「卖出价格」"), `text` what it held.
QString unreadableText(const QString& field, const std::string& text, Unreadable reason);

} // namespace pelmora
