#pragma once

#include <QString>
#include <string>
#include <vector>

namespace pelmora::cli {

// What the program writes: tables on standard output, tab-separated UTF-8 with LF line ends on
// every system, so that scripts read them alike; messages on standard error.

// Sets the standard streams up for that: on Windows, binary (no CR added) and a UTF-8 console.
void setUpStreams();

// One line of a table. A tab or a line break inside a cell (a name may hold anything) would
// break the table, so each control character is written as a space.
void printRow(const std::vector<std::string>& cells);
void printText(const QString& text);
void printMessage(const QString& message);
// Whether every table line reached standard output: a full disk under a redirection must not
// pass for success.
bool outputWritten();

} // namespace pelmora::cli
