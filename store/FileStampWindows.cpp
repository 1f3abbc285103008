#include "store/FileStamp.h"

#include <QDir>
#include <windows.h>

namespace pelmora {
namespace {

std::uint64_t joined(DWORD high, DWORD low) {
    constexpr int kDwordBits = 32;
    return (static_cast<std::uint64_t>(high) << kDwordBits) | low;
}

} // namespace

// The volume's serial number and the file index are Windows's device and inode numbers.
FileStamp stampOf(const QString& fileName) {
    const std::wstring path = QDir::toNativeSeparators(fileName).toStdWString();
    // Opened for no access at all, so a file another program holds open can still be looked at.
    HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known) {
        return {};
    }
    return {true, info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow),
            static_cast<std::int64_t>(
                joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)),
            static_cast<std::int64_t>(joined(info.nFileSizeHigh, info.nFileSizeLow))};
}

} // namespace pelmora
