#pragma once

#include <QString>
#include <vector>

namespace pelmora {

// Why remembered settings could not be used, or not all of them.
enum class StoreTrouble {
    Damaged,    // the file held values no setting takes, or lines that are no settings at all
    Unwritable, // the settings could not be saved
    NotAFile,   // the file's name is taken by something else than a file (a folder, a pipe, a
                // device): it is left alone, never read or written, and the defaults are used
};

// Each setting the store keeps, to name the ones a damaged file could not give.
enum class StoredSetting {
    FullCostOn,
    MinimumCommission,
    StampDuty,
    TransferFee,
    ExchangeFees,
    Product,
    BuyRate,
    SellRate,
    JournalBuyRate,
    JournalSellRate,
};

// What happened, as far as the user is to know it.
struct StoreTroubleReport {
    StoreTrouble trouble = StoreTrouble::Damaged;
    QString file; // the settings file
    // Damaged only: the settings whose values were replaced by their defaults, and whether the
    // file also held lines that are no settings (they are dropped when it is written back).
    std::vector<StoredSetting> replaced;
    bool unreadableLines = false;
    // Damaged only: where the file as it was is kept, empty when no copy could be made (the file
    // is then left as it is for the whole session); and whether the repaired settings were
    // written back into the file.
    QString damagedCopy;
    bool repairWritten = false;
};

} // namespace pelmora
