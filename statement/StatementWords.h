#pragma once

#include "statement/Statement.h"
#include "statement/StatementEntries.h"
#include "statement/StatementRefusal.h"

#include <string>

namespace pelmora {

// Every word the program says of a statement, UTF-8, in one place: the journal's window and the
// console program both show them. Each names the row's cell or the file's part it is about and
// quotes its text.

std::string refusalWords(const StatementRefusal& refusal);
std::string skipWords(const SkippedRow& skipped);
std::string problemWords(const RowProblem& problem);
std::string gapWords(const LeftOutRow& leftOut);
// A new issue or rights issue whose price the statement does not give.
std::string priceAskedWords();

std::string encodingWord(StatementEncoding encoding);
std::string formatWord(StatementFormat format);

} // namespace pelmora
