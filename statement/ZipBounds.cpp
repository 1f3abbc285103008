#include "statement/ZipBounds.h"

#include <algorithm>

namespace pelmora {
namespace {

constexpr std::string_view kDirectoryEnd = "PK\x05\x06";
constexpr std::string_view kDirectoryEntry = "PK\x01\x02";
constexpr std::string_view kLocalHeader = "PK\x03\x04";
constexpr std::size_t kDirectoryEndSize = 22;
constexpr std::size_t kMostCommentSize = 0xFFFF;
constexpr std::size_t kEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;

// The little-endian number of `count` bytes at `at`; `at + count` is within the zip.
std::uint64_t number(std::string_view zip, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t byte = count; byte > 0; --byte) {
        value = value << 8U | static_cast<unsigned char>(zip[at + byte - 1]);
    }
    return value;
}

bool fits(std::string_view zip, std::uint64_t at, std::uint64_t size) {
    return at <= zip.size() && size <= zip.size() - at;
}

// Where the directory's end record is: the last one, looked for from the end as QZipReader does.
std::optional<std::size_t> directoryEnd(std::string_view zip) {
    if (zip.size() < kDirectoryEndSize) {
        return std::nullopt;
    }
    const std::size_t last = zip.size() - kDirectoryEndSize;
    const std::size_t first = last > kMostCommentSize ? last - kMostCommentSize : 0;
    for (std::size_t at = last + 1; at > first; --at) {
        if (zip.substr(at - 1, kDirectoryEnd.size()) == kDirectoryEnd) {
            return at - 1;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ZipPart> zipPart(std::string_view zip, std::string_view name) {
    const std::optional<std::size_t> end = directoryEnd(zip);
    if (!end) {
        return std::nullopt;
    }
    const std::uint64_t entries = number(zip, *end + 10, 2);
    std::uint64_t at = number(zip, *end + 16, 4);
    for (std::uint64_t entry = 0; entry < entries; ++entry) {
        if (!fits(zip, at, kEntrySize) ||
            zip.substr(at, kDirectoryEntry.size()) != kDirectoryEntry) {
            return std::nullopt;
        }
        const std::uint64_t nameSize = number(zip, at + 28, 2);
        const std::uint64_t rest = nameSize + number(zip, at + 30, 2) + number(zip, at + 32, 2);
        if (!fits(zip, at + kEntrySize, rest)) {
            return std::nullopt;
        }
        if (zip.substr(at + kEntrySize, nameSize) == name) {
            const ZipPart part{number(zip, at + 20, 4), number(zip, at + 24, 4)};
            const std::uint64_t local = number(zip, at + 42, 4);
            if (!fits(zip, local, kLocalHeaderSize) ||
                zip.substr(local, kLocalHeader.size()) != kLocalHeader) {
                return std::nullopt;
            }
            const std::uint64_t data =
                local + kLocalHeaderSize + number(zip, local + 26, 2) + number(zip, local + 28, 2);
            return fits(zip, data, part.packedSize) ? std::optional(part) : std::nullopt;
        }
        at += kEntrySize + rest;
    }
    return std::nullopt;
}

} // namespace pelmora
