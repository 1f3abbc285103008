#pragma once

namespace pelmora {

// Why remembered settings could not be used.
enum class StoreTrouble {
    Damaged,    // the file held something no setting is; it was moved aside, defaults are used
    Unwritable, // the settings could not be saved
};

} // namespace pelmora
