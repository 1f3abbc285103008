#pragma once

#include <cstdint>

namespace pelmora {

// Resident memory of this process in KiB, or 0 where the platform does not tell.
std::int64_t residentKiB();

} // namespace pelmora
