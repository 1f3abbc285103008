#pragma once

#include <QString>
#include <cstdint>

namespace pelmora {

// What identifies one version of a file on disk. Qt writes a settings file as a new file renamed
// over the old one, and a file's times alone can still tell of an earlier read: a save took
// place when the name points at another file than before, or the same file changed.
struct FileStamp {
    bool exists = false;
    std::uint64_t volume = 0;
    std::uint64_t fileId = 0;
    std::int64_t modifiedTicks = 0;
    std::int64_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

// Each platform's own answer (FileStampPosix.cpp, FileStampWindows.cpp); an empty stamp when the
// name points at nothing.
FileStamp stampOf(const QString& fileName);

} // namespace pelmora
