#include "store/PageAdvice.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pelmora {

void preferHugePages(void* buffer, std::size_t bytes) {
#ifdef __linux__
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(buffer);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first) {
        // Advice only: where transparent huge pages are off the buffer fills as before.
        static_cast<void>(
            madvise(static_cast<char*>(buffer) + (first - start), last - first, MADV_HUGEPAGE));
    }
#else
    // Windows gives large pages only to a process holding a privilege users do not have.
    static_cast<void>(buffer);
    static_cast<void>(bytes);
#endif
}

} // namespace pelmora
