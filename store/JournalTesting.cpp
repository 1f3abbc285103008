#include "store/JournalTesting.h"

#include "store/JournalConnection.h"

#include <string>

namespace pelmora {

Journal::Opened JournalTesting::open(const QString& file, const JournalSteps& steps) {
    return Journal::openWithSteps(file, steps);
}

void JournalTesting::limitPages(Journal& journal, int pages) {
    (void)journal.m_connection->opened.db.integer(
        ("PRAGMA max_page_count = " + std::to_string(pages)).c_str());
}

} // namespace pelmora
