#include "core/db/FileSync.h"

#include <fcntl.h>
#include <unistd.h>

namespace pelinor {

namespace {

bool syncPath(const std::string& path, int flags)
{
    const int descriptor = ::open(path.c_str(), flags);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
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
