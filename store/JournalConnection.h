#pragma once

#include "store/Journal.h"
#include "store/JournalOpening.h"
#include "store/JournalWrite.h"

namespace pelmora {

struct Journal::Connection {
    QString file;
    OpenedJournal opened;
    CommitWatch watch;
};

} // namespace pelmora
