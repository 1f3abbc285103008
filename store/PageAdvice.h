#pragma once

#include <cstddef>

namespace pelmora {

// Asks the system to back a large buffer that is about to be filled with huge pages. Filling the
// trades of a large journal otherwise takes one page fault per 4 KiB, which on a virtual machine
// costs a third of the journal's opening. Only the whole huge pages inside the buffer are asked
// for, so no memory is taken beyond it; where the system offers no such advice, nothing happens.
void preferHugePages(void* buffer, std::size_t bytes);

} // namespace pelmora
