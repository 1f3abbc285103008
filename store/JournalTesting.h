#pragma once

#include "store/Journal.h"
#include "store/JournalSchema.h"

namespace pelmora {

// What the store's own tests reach inside a journal for; the program never calls these.
struct JournalTesting {
    // Journal::open with `steps` in the place of the program's schema.
    static Journal::Opened open(const QString& file, const JournalSteps& steps);
    // Lets the file grow no further than `pages` pages on this connection, as a full disk would.
    static void limitPages(Journal& journal, int pages);
};

} // namespace pelmora
