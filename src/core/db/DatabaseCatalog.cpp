#include "core/db/DatabaseCatalog.h"

#include <array>
#include <cstdlib>
#include <unistd.h>

namespace pelinor {

namespace {

constexpr std::array<const char*, 12> kFileNames = {
    "knowledges.dll",
    "cook.dll",
    "sports.dll",
    "gright.dll",
    "intakecriterion.dll",
    "pantry.dll",
    "Record.dll",
    "review.dll",
    "sysmanager.dll",
    "Evaluation.DLL",
    "package.dll",
    "nutrient.dll",
};

std::string withTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

std::string databaseFileName(int id)
{
    if (id < kFirstDatabaseId || id > kLastDatabaseId) {
        return {};
    }
    return kFileNames[static_cast<size_t>(id - 1)];
}

std::string GetExeDirectory()
{
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) {
        return "./";
    }
    std::string path(buffer, static_cast<size_t>(length));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string dataDirectory()
{
    const char* overridden = std::getenv("PELINOR_DATA_DIR");
    if (overridden && *overridden) {
        return withTrailingSlash(overridden);
    }
    return GetExeDirectory() + "formal/";
}

std::string GetDatabasePath(int id)
{
    return databasePathIn(dataDirectory(), id);
}

std::string databasePathIn(const std::string& folder, int id)
{
    return withTrailingSlash(folder) + databaseFileName(id);
}

} // namespace pelinor
