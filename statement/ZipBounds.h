#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmora {

// What a zip's own directory says of a part, once the part is known to lie within the zip.
//
// QZipReader trusts the directory: it reads a part's stated packed size from memory, past the
// end of a zip that states more than it holds, and inflates the bytes it finds there into a
// buffer it doubles for as long as they do not fit, until memory runs out. So every part is
// checked here before QZipReader unpacks it: its local header and its packed bytes within the
// zip. (A part that states fewer unpacked bytes than it has still makes QZipReader double its
// buffer up to the real size, which the packed size bounds at about a thousand times.)
struct ZipPart {
    std::uint64_t packedSize = 0;
    std::uint64_t unpackedSize = 0;
};

// The first part of that name the directory lists, as QZipReader finds it; none where there is
// none or where it, or the directory, runs past the zip's end.
std::optional<ZipPart> zipPart(std::string_view zip, std::string_view name);

} // namespace pelmora
