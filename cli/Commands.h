#pragma once

#include "calc/SecurityKinds.h"

#include <QStringList>

namespace pelmora::cli {

// The exit statuses, which scripts tell apart.
enum ExitStatus : int {
    kSucceeded = 0,
    kRefused = 1,      // an argument, or a file named by one, that cannot be taken
    kStoreTrouble = 2, // a journal that cannot be opened, read or written, or lost output
};

// Runs the command line (the arguments after the program's name) and gives its exit status.
// `today` is the day in China: no trade lies after it, and holdings are valued at its costs.
int runCommandLine(const QStringList& arguments, TradeDate today);

} // namespace pelmora::cli
