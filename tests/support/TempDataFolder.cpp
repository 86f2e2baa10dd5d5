#include "TempDataFolder.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace pelinor::test {

namespace {

std::string makeTempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pelinor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    return pattern;
}

} // namespace

TempDirectory::TempDirectory()
    : m_path(makeTempDirectory())
{
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

TempDataFolder::TempDataFolder(DataFolderContent content)
    : m_path(makeTempDirectory() + "/formal/")
{
    const auto result = createDataFolder(m_path, content);
    if (!result.ok()) {
        throw std::runtime_error(result.message());
    }
    if (const char* previous = std::getenv("PELINOR_DATA_DIR")) {
        m_hadOverride = true;
        m_previousOverride = previous;
    }
    setenv("PELINOR_DATA_DIR", m_path.c_str(), 1);
}

TempDataFolder::~TempDataFolder()
{
    if (m_hadOverride) {
        setenv("PELINOR_DATA_DIR", m_previousOverride.c_str(), 1);
    } else {
        unsetenv("PELINOR_DATA_DIR");
    }
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(m_path).parent_path().parent_path(), ignored);
}

void TempDataFolder::exec(int databaseId, const std::string& sql) const
{
    CppSQLite3DB db;
    db.open(databasePathIn(m_path, databaseId));
    db.execScript(sql);
}

} // namespace pelinor::test
