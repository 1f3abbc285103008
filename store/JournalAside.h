#pragma once

#include <QString>
#include <QStringList>

namespace pelmora {

// The files a journal is made of: the database, and beside it SQLite's write-ahead log, the
// log's index and a rollback journal, each named after it.
QStringList journalFileSet(const QString& file);

// Moves the journal's files out of the way under a dated name that takes none of another's,
// `NAME.damaged-YYYYMMDD-HHMMSS` and `-2`, `-3`… on a clash, the log and its index beside it
// under the same name, so that SQLite can open the copy as it was. Where one of them cannot be
// moved, those already moved are moved back. The name the database now has; empty when nothing
// was moved.
QString keepJournalAside(const QString& file);

} // namespace pelmora
