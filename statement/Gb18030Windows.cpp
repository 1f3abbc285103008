#include "statement/Gb18030.h"

namespace pelmora {

// Windows has GB18030 as code page 54936, but Wine, which the Windows program is tested under,
// has not, and code page 936 reads none of the four-byte sequences: the committed table reads
// them on every Windows alike.
std::string decodeGb18030(std::string_view bytes) {
    return decodeGb18030ByTable(bytes);
}

} // namespace pelmora
