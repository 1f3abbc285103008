#include "store/FileStamp.h"

#include <QFile>
#include <sys/stat.h>

namespace pelmora {

FileStamp stampOf(const QString& fileName) {
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0) {
        return {};
    }
    constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
    return {true, static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNanosecondsPerSecond +
                status.st_mtim.tv_nsec,
            static_cast<std::int64_t>(status.st_size)};
}

} // namespace pelmora
