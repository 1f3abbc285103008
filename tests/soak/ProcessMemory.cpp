#include "tests/soak/ProcessMemory.h"

#if defined(__linux__)
#include <fstream>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
// psapi.h needs the types windows.h declares.
#include <psapi.h>
#endif

namespace pelmora {

std::int64_t residentKiB() {
#if defined(__linux__)
    std::ifstream statm("/proc/self/statm");
    std::int64_t sizePages = 0;
    std::int64_t residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
#elif defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        return static_cast<std::int64_t>(counters.WorkingSetSize / 1024);
    }
    return 0;
#else
    return 0;
#endif
}

} // namespace pelmora
