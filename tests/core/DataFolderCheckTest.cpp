#include "core/db/DataFolderCheck.h"

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace pelinor {

void PrintTo(const DataFileFinding& f, std::ostream* out)
{
    *out << databaseFileName(f.databaseId) << ":" << static_cast<int>(f.problem);
}

} // namespace pelinor

using namespace pelinor;
namespace fs = std::filesystem;

namespace {

using Problem = DataFileProblem;

std::string bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Everything in a folder, to show that a check made and changed nothing: names with their kind and bytes.
std::map<std::string, std::string> contentOf(const std::string& folder)
{
    std::map<std::string, std::string> content;
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return { { "(no folder)", "" } };
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) {
            content[name] = "link to " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            content[name] = "folder";
        } else {
            content[name] = bytesOf(entry.path().string());
        }
    }
    return content;
}

std::string randomBytes(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

// Overwrites `length` bytes of a file from `offset` with bytes that are no SQLite page.
void scramble(const std::string& path, size_t offset, size_t length)
{
    std::string bytes = bytesOf(path);
    ASSERT_LT(offset + length, bytes.size() + 1) << path;
    bytes.replace(offset, length, randomBytes(length, 7));
    writeBytes(path, bytes);
}

std::vector<DataFileFinding> all(Problem problem)
{
    std::vector<DataFileFinding> findings;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        findings.push_back({ id, problem });
    }
    return findings;
}

// Each way a folder can be unusable, the findings it gives, and the advice the user reads. The
// check creates nothing for a missing name and changes no byte of any file.
TEST(DataFolderCheckTest, EveryUnusableFileIsFoundOnceWithWhatToDo)
{
    struct Case
    {
        const char* what;
        std::function<void(const std::string& folder)> damage;
        std::vector<DataFileFinding> expected;
        std::vector<std::string> advice; // texts the message must hold
        std::vector<std::string> notSaid = {}; // advice that would not fit
    };
    const auto remove = [](int id) { return [id](const std::string& f) { fs::remove(databasePathIn(f, id)); }; };
    const auto removeAll = [](const std::string& f) {
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            fs::remove(databasePathIn(f, id));
        }
    };
    std::vector<DataFileFinding> onlyEmptySysManager = all(Problem::Missing);
    onlyEmptySysManager[SysManagerDb - 1].problem = Problem::Empty;

    const Case cases[] = {
        { "a sound folder", [](const std::string&) {}, {}, {} },
        { "no folder", [](const std::string& f) { fs::remove_all(f); }, all(Problem::Missing),
            { "数据文件夹里没有数据", "pelinor-cli initdb ", "PELINOR_DATA_DIR" } },
        { "an empty folder", removeAll, all(Problem::Missing), { "数据文件夹里没有数据", "pelinor-cli initdb " } },
        { "only an empty sysmanager.dll",
            [&](const std::string& f) {
                removeAll(f);
                writeBytes(databasePathIn(f, SysManagerDb), "");
            },
            onlyEmptySysManager, { "数据文件夹里没有数据", "pelinor-cli initdb " } },
        { "one file missing", remove(CookDb), { { CookDb, Problem::Missing } },
            { "  cook.dll：没有这个文件\n", "BFWJ", "20141105093000cook.dll.bak", "pelinor-cli initdb " } },
        { "a link to nothing",
            [](const std::string& f) {
                fs::remove(databasePathIn(f, GrightDb));
                fs::create_symlink(f + "elsewhere/gright.dll", databasePathIn(f, GrightDb));
            },
            { { GrightDb, Problem::Missing } }, { "  gright.dll：没有这个文件\n" } },
        { "an empty accounts file", [](const std::string& f) { writeBytes(databasePathIn(f, SysManagerDb), ""); },
            { { SysManagerDb, Problem::Empty } },
            { "  sysmanager.dll：是空文件（0 字节），里面没有数据\n",
                "sysmanager.dll（帐号、体检和免疫记录）不在备份之中" },
            { "BFWJ", ".bak", "改名留存" } },
        { "an empty accounts file beside a damaged library",
            [](const std::string& f) {
                writeBytes(databasePathIn(f, SysManagerDb), "");
                writeBytes(databasePathIn(f, NutrientDb), randomBytes(4096, 4));
            },
            { { SysManagerDb, Problem::Empty }, { NutrientDb, Problem::NotADatabase } },
            { "20141105093000nutrient.dll.bak", "sysmanager.dll（帐号、体检和免疫记录）不在备份之中", "改名留存" },
            { "20141105093000sysmanager.dll.bak" } },
        { "random bytes in two files",
            [](const std::string& f) {
                writeBytes(databasePathIn(f, RecordDb), randomBytes(40960, 1));
                writeBytes(databasePathIn(f, CookDb), randomBytes(8192, 2));
            },
            { { CookDb, Problem::NotADatabase }, { RecordDb, Problem::NotADatabase } },
            { "  cook.dll：不是数据库文件\n", "  Record.dll：不是数据库文件\n", "20141105093000cook.dll.bak" } },
        { "a folder under a file's name",
            [](const std::string& f) {
                fs::remove(databasePathIn(f, PackageDb));
                fs::create_directory(databasePathIn(f, PackageDb));
            },
            { { PackageDb, Problem::NotADatabase } }, { "  package.dll：不是数据库文件\n" } },
        { "damaged pages", [](const std::string& f) { scramble(databasePathIn(f, RecordDb), 4096, 8192); },
            { { RecordDb, Problem::Damaged } }, { "  Record.dll：已损坏\n", "20141105093000Record.dll.bak" } },
        { "a damaged table list", [](const std::string& f) { scramble(databasePathIn(f, PantryDb), 100, 3000); },
            { { PantryDb, Problem::Damaged } }, { "  pantry.dll：已损坏\n" } },
        { "a file cut short",
            [](const std::string& f) {
                const std::string path = databasePathIn(f, SysManagerDb);
                fs::resize_file(path, fs::file_size(path) / 2);
            },
            { { SysManagerDb, Problem::Damaged } }, { "  sysmanager.dll：已损坏\n" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDataFolder data(DataFolderContent::FirstRows);
        const std::string& folder = data.path();
        c.damage(folder);
        const auto before = contentOf(folder);

        const DataFolderCheck check = DataFolderCheck::run(folder);
        EXPECT_EQ(check.findings(), c.expected);
        EXPECT_EQ(check.ok(), c.expected.empty());
        EXPECT_FALSE(check.worthRetrying());
        const std::string message = check.message();
        EXPECT_EQ(message.empty(), c.expected.empty());
        for (const auto& text : c.advice) {
            EXPECT_NE(message.find(text), std::string::npos) << text << "\nin:\n" << message;
        }
        for (const auto& text : c.notSaid) {
            EXPECT_EQ(message.find(text), std::string::npos) << text << "\nin:\n" << message;
        }
        // Each file with a problem is named once; the folder is named so the user can find it.
        for (const auto& finding : c.expected) {
            const std::string line = "  " + databaseFileName(finding.databaseId) + "：";
            if (message.find("数据文件夹里没有数据") == std::string::npos) {
                EXPECT_NE(message.find(line), std::string::npos) << line;
                EXPECT_EQ(message.find(line), message.rfind(line)) << line;
            }
        }
        if (!message.empty()) {
            EXPECT_NE(message.find(folder), std::string::npos);
        }
        EXPECT_EQ(contentOf(folder), before);
        EXPECT_FALSE(fs::exists(folder + "elsewhere"));
    }
}

// Another program's lock: one that stops reading and one that stops writing are both found within
// a short wait and named; a reader is no obstacle. Once the lock is gone the folder passes.
TEST(DataFolderCheckTest, ALockHeldByAnotherProgramIsNamedWithoutWaitingLong)
{
    struct Case
    {
        const char* what;
        const char* begin; // the other program's statement
        bool locked;
    };
    const Case cases[] = {
        { "writing", "BEGIN EXCLUSIVE", true },
        { "about to write", "BEGIN IMMEDIATE", true },
        { "reading", "BEGIN; SELECT COUNT(*) FROM ClassInfo", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDataFolder data(DataFolderContent::FirstRows);
        const std::string& folder = data.path();
        const std::string before = bytesOf(databasePathIn(folder, RecordDb));
        {
            CppSQLite3DB other;
            other.open(databasePathIn(folder, RecordDb));
            other.execScript(c.begin);
            if (c.locked) {
                other.execScript("INSERT INTO ClassInfo VALUES(9,'午睡班')"); // not yet committed
            }

            const auto start = std::chrono::steady_clock::now();
            const DataFolderCheck check = DataFolderCheck::run(folder, 50);
            const auto waited = std::chrono::steady_clock::now() - start;
            EXPECT_LT(waited, std::chrono::seconds(3));
            if (!c.locked) {
                EXPECT_TRUE(check.ok()) << check.message();
                continue;
            }
            EXPECT_EQ(check.findings(), (std::vector<DataFileFinding> { { RecordDb, Problem::Locked } }));
            EXPECT_TRUE(check.worthRetrying());
            const std::string message = check.message();
            EXPECT_NE(message.find("  Record.dll：正被另一个程序锁定\n"), std::string::npos) << message;
            EXPECT_NE(message.find("然后重试"), std::string::npos) << message;
            EXPECT_EQ(message.find("BFWJ"), std::string::npos) << message;
            other.execScript("ROLLBACK");
        }
        EXPECT_TRUE(DataFolderCheck::run(folder).ok());
        EXPECT_EQ(bytesOf(databasePathIn(folder, RecordDb)), before);
    }

    // A lock beside a damaged file: waiting does not help, so nothing offers to try again.
    test::TempDataFolder data(DataFolderContent::FirstRows);
    const std::string& folder = data.path();
    writeBytes(databasePathIn(folder, CookDb), randomBytes(4096, 3));
    CppSQLite3DB other;
    other.open(databasePathIn(folder, RecordDb));
    other.execScript("BEGIN EXCLUSIVE");
    const DataFolderCheck check = DataFolderCheck::run(folder, 50);
    EXPECT_EQ(check.findings(),
        (std::vector<DataFileFinding> { { CookDb, Problem::NotADatabase }, { RecordDb, Problem::Locked } }));
    EXPECT_FALSE(check.worthRetrying());
}

TEST(DataFolderCheckTest, AFileThatMayNotBeReadIsNamed)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may read every file";
    }
    test::TempDataFolder data(DataFolderContent::FirstRows);
    const std::string& folder = data.path();
    ::chmod(databasePathIn(folder, PantryDb).c_str(), 0);
    const DataFolderCheck check = DataFolderCheck::run(folder);
    EXPECT_EQ(check.findings(), (std::vector<DataFileFinding> { { PantryDb, Problem::Unreadable } }));
    EXPECT_NE(check.message().find("  pantry.dll：无法打开（没有读写权限）\n"), std::string::npos) << check.message();
}

} // namespace
