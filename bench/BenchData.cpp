#include "BenchData.h"

#include "core/db/DataFolder.h"
#include "core/db/DatabaseCatalog.h"
#include "core/demo/LargeDemo.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace fs = std::filesystem;

namespace pelinor::bench {

namespace {

bool complete(const fs::path& folder)
{
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        if (!fs::exists(databasePathIn(folder.string() + "/", id))) {
            return false;
        }
    }
    return true;
}

// The folder `name` of the cache, made by `make` into a side folder and moved into place only
// when it is complete, so an interrupted run never leaves half a folder to be reused.
std::string cachedFolder(
    const std::string& name, bool keep, const std::function<Outcome<>(const std::string&)>& make)
{
    const fs::path folder = fs::path(PELINOR_BENCH_DATA_DIR) / name;
    if (!keep || !complete(folder)) {
        const fs::path building = fs::path(PELINOR_BENCH_DATA_DIR) / (name + ".building");
        fs::remove_all(building);
        fs::remove_all(folder);
        std::fprintf(stderr, "Making the data folder %s ...\n", folder.c_str());
        const auto started = std::chrono::steady_clock::now();
        const Outcome<> result = make(building.string() + "/");
        if (!result.ok()) {
            throw std::runtime_error(result.message());
        }
        fs::rename(building, folder);
        std::fprintf(stderr, "... made in %.1f s\n",
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    return folder.string() + "/";
}

} // namespace

const std::string& demoFolder()
{
    // Made again on every run: it takes a moment and so follows every change of the demo data.
    static const std::string folder = cachedFolder(
        "demo", false, [](const std::string& path) { return createDataFolder(path, DataFolderContent::Demo); });
    return folder;
}

const std::string& largeDemoFolder()
{
    static const std::string folder = cachedFolder("large-" + std::to_string(kLargeDemoFormat), true,
        [](const std::string& path) { return createLargeDemoFolder(path); });
    return folder;
}

} // namespace pelinor::bench
