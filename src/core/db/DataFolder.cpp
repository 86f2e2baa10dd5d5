#include "core/db/DataFolder.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/EmbeddedData.h"
#include "core/db/TransactionGuard.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace pelinor {

namespace {

// "Record.dll" -> "Record": data files are named after the database file they fill.
std::string stemOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

// The data files for one database and one folder of data/, in name order: "<stem>.sql" or "<stem>.<topic>.sql".
std::vector<const EmbeddedFile*> filesFor(const std::string& stem, std::string_view dataFolder)
{
    std::vector<const EmbeddedFile*> result;
    for (const auto& file : embeddedDataFiles()) {
        std::string_view path(file.path);
        if (!path.starts_with(dataFolder) || path.size() <= dataFolder.size() || path[dataFolder.size()] != '/') {
            continue;
        }
        std::string_view name = path.substr(dataFolder.size() + 1);
        if (name.starts_with(stem) && name.size() > stem.size() && name[stem.size()] == '.') {
            result.push_back(&file);
        }
    }
    return result;
}

void fillDatabase(const std::string& path, int databaseId, DataFolderContent content, const DataFolderFiller& filler)
{
    const std::string stem = stemOf(databaseFileName(databaseId));
    std::vector<std::string_view> folders { "schema" };
    if (content >= DataFolderContent::FirstRows) {
        folders.emplace_back("base");
    }
    if (content >= DataFolderContent::Library) {
        folders.emplace_back("content");
    }
    if (content >= DataFolderContent::Demo) {
        folders.emplace_back("demo");
    }
    CppSQLite3DB db;
    db.open(path);
    TransactionGuard transaction(db);
    for (auto folder : folders) {
        for (const EmbeddedFile* file : filesFor(stem, folder)) {
            try {
                db.execScript(std::string(file->content, file->size));
            } catch (const CppSQLite3Exception& e) {
                throw CppSQLite3Exception(e.errorCode(), std::string(file->path) + ": " + e.errorMessage());
            }
        }
    }
    if (filler) {
        filler(databaseId, db);
    }
    transaction.commit();
}

} // namespace

Outcome<> createDataFolder(const std::string& folder, DataFolderContent content)
{
    return createDataFolder(folder, content, DataFolderFiller());
}

Outcome<> createDataFolder(const std::string& folder, DataFolderContent content, const DataFolderFiller& filler)
{
    std::vector<std::string> finalPaths;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        finalPaths.push_back(databasePathIn(folder, id));
        std::error_code error;
        if (fs::exists(finalPaths.back(), error)) {
            return refuse("数据文件已存在，未做任何更改：" + finalPaths.back());
        }
    }

    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return refuse("无法创建数据文件夹：" + folder + "（" + error.message() + "）");
    }

    std::vector<std::string> partPaths;
    auto removeParts = [&partPaths] {
        for (const auto& part : partPaths) {
            std::error_code ignored;
            fs::remove(part, ignored);
        }
    };
    try {
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            const std::string& finalPath = finalPaths[static_cast<size_t>(id - 1)];
            partPaths.push_back(finalPath + ".part");
            fs::remove(partPaths.back(), error);
            fillDatabase(partPaths.back(), id, content, filler);
        }
    } catch (const CppSQLite3Exception& e) {
        removeParts();
        return refuse("创建数据文件失败：" + e.errorMessage());
    } catch (const std::exception& e) {
        removeParts();
        return refuse(std::string("创建数据文件失败：") + e.what());
    }

    for (size_t i = 0; i < partPaths.size(); ++i) {
        // Checked again right before the rename: the folder may have been filled meanwhile.
        if (fs::exists(finalPaths[i], error)) {
            removeParts();
            return refuse("数据文件已存在，未做任何更改：" + finalPaths[i]);
        }
    }
    for (size_t i = 0; i < partPaths.size(); ++i) {
        fs::rename(partPaths[i], finalPaths[i], error);
        if (error) {
            return refuse("无法写入数据文件：" + finalPaths[i] + "（" + error.message() + "）");
        }
    }
    return done();
}

} // namespace pelinor
