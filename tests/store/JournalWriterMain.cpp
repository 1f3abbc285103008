// A copy of the program recording trades, for the tests that run copies side by side or kill
// one: `journal_writer FILE TAG COUNT` records COUNT actions (0: until it is killed), each a
// purchase and a sale of one day in one transaction, their notes "TAG N 1" and "TAG N 2", and
// says "opened" once the journal is open (and migrated, where it was older) and "committed TAG N"
// on its standard output once the action has committed.
#include "store/Journal.h"
#include "tests/store/JournalSamples.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using namespace pelmora;
    if (argc != 4) {
        return 64;
    }
    const std::string tag = argv[2];
    const long count = std::strtol(argv[3], nullptr, 10);
    const auto [journal, report] = Journal::open(QString::fromLocal8Bit(argv[1]));
    if (!journal) {
        std::printf("no journal %d %s\n",
                    static_cast<int>(report ? report->trouble : JournalTrouble{}),
                    report ? report->detail.toUtf8().constData() : "");
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    for (long action = 1; count == 0 || action <= count; ++action) {
        const int day = 1 + static_cast<int>(action % 28);
        std::vector pair{test::bought(200, day), test::sold(100, day)};
        for (std::size_t part = 0; part < pair.size(); ++part) {
            pair[part].note = tag + ' ' + std::to_string(action) + ' ' + std::to_string(part + 1);
        }
        const auto written = journal->addAll(pair);
        if (const auto* refused = std::get_if<WriteRefusal>(&written)) {
            std::printf("refused %d %s\n", static_cast<int>(refused->stop),
                        refused->detail.toUtf8().constData());
            return 2;
        }
        std::printf("committed %s %ld\n", tag.c_str(), action);
        std::fflush(stdout);
    }
    return 0;
}
