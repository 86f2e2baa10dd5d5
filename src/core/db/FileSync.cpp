#include "core/db/FileSync.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pelinor {

namespace {

bool syncPath(const std::string& path, int flags)
{
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    // A caller that reports the failure reads errno: the fsync's, not the close's.
    const int error = errno;
    ::close(descriptor);
    errno = error;
    return synced;
}

} // namespace

bool syncFile(const std::string& path)
{
    return syncPath(path, O_RDONLY);
}

bool syncFolder(const std::string& folder)
{
    return syncPath(folder, O_RDONLY | O_DIRECTORY);
}

} // namespace pelinor
