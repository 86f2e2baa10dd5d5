// pelinor started as a user starts it, on data folders it cannot use and without a display.
#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace pelinor;
namespace fs = std::filesystem;

namespace {

struct ProgramRun
{
    bool exited = false; // false: killed by a signal (a crash) or stopped after the time limit
    int status = -1;
    bool timedOut = false;
    std::string out;
    std::string err;
};

std::string bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

// Runs a program in `workDir` with the environment changed as given (an empty value removes the
// variable), and stops it after `limit`: a program that waits for a person fails the test.
ProgramRun runProgram(const std::vector<std::string>& command,
    const std::map<std::string, std::string>& environment,
    const std::string& workDir,
    std::chrono::seconds limit = std::chrono::seconds(20))
{
    const std::string outPath = workDir + "/stdout";
    const std::string errPath = workDir + "/stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        for (const auto& [name, value] : environment) {
            if (value.empty()) {
                ::unsetenv(name.c_str());
            } else {
                ::setenv(name.c_str(), value.c_str(), 1);
            }
        }
        if (::chdir(workDir.c_str()) != 0) {
            ::_exit(126);
        }
        ::dup2(::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        std::vector<char*> argv;
        for (const auto& word : command) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ProgramRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            run.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.exited = !run.timedOut && WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    run.out = bytesOf(outPath);
    run.err = bytesOf(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

// What lies in a folder: names with their kind and size.
std::map<std::string, std::string> listing(const std::string& folder)
{
    std::map<std::string, std::string> entries;
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return { { "(no folder)", "" } };
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        entries[entry.path().filename().string()]
            = entry.is_regular_file() ? std::to_string(entry.file_size()) : std::string("not a file");
    }
    return entries;
}

size_t occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
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

const std::map<std::string, std::string> kOffscreen { { "QT_QPA_PLATFORM", "offscreen" },
    { "PELINOR_TRACE_STARTUP", "" } };

// The folders a first try of the program met: each gives one clear message on standard error and
// the exit status 1, creates nothing and crashes nowhere; pelinor-cli initdb then makes the
// folders that hold no data, and the program starts on them.
TEST(StartupTest, AFolderThatCannotBeUsedIsExplainedOnceAndNothingIsCreated)
{
    struct Case
    {
        const char* what;
        std::function<void(const std::string& folder)> prepare;
        std::vector<std::string> said; // texts standard error must hold, each once
        bool initDbMakesIt;
    };
    const auto removeAll = [](const std::string& f) {
        for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
            fs::remove(databasePathIn(f, id));
        }
    };
    const Case cases[] = {
        { "no folder", [](const std::string& f) { fs::remove_all(f); },
            { "数据文件夹里没有数据", "pelinor-cli initdb" }, true },
        { "an empty folder", removeAll, { "数据文件夹里没有数据", "pelinor-cli initdb" }, true },
        { "only the empty file an earlier start left",
            [&](const std::string& f) {
                removeAll(f);
                std::ofstream(databasePathIn(f, SysManagerDb)).close();
            },
            { "数据文件夹里没有数据", "pelinor-cli initdb" }, true },
        { "one file missing", [](const std::string& f) { fs::remove(databasePathIn(f, CookDb)); },
            { "  cook.dll：没有这个文件\n", "BFWJ" }, false },
        { "a file of 0 bytes", [](const std::string& f) { fs::resize_file(databasePathIn(f, SysManagerDb), 0); },
            { "  sysmanager.dll：是空文件（0 字节），里面没有数据\n" }, false },
        { "random bytes",
            [](const std::string& f) {
                std::ofstream(databasePathIn(f, RecordDb), std::ios::binary) << randomBytes(40960, 1);
                std::ofstream(databasePathIn(f, CookDb), std::ios::binary) << randomBytes(8192, 2);
            },
            { "  cook.dll：不是数据库文件\n", "  Record.dll：不是数据库文件\n" }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDataFolder data(DataFolderContent::FirstRows);
        const std::string folder = data.path();
        const std::string work = fs::path(folder).parent_path().parent_path().string();
        c.prepare(folder);
        const auto before = listing(folder);

        const ProgramRun run = runProgram({ PELINOR_APP_PATH }, kOffscreen, work);
        EXPECT_FALSE(run.timedOut);
        ASSERT_TRUE(run.exited) << "crashed or waited";
        EXPECT_EQ(run.status, 1);
        for (const auto& text : c.said) {
            EXPECT_EQ(occurrences(run.err, text), 1u) << text << "\nin:\n" << run.err;
        }
        EXPECT_NE(run.err.find(folder), std::string::npos) << run.err;
        EXPECT_EQ(listing(folder), before);
        EXPECT_EQ(listing(work).count("core"), 0u);
        if (!c.initDbMakesIt) {
            continue;
        }
        // The tour stops at the same check before it makes a picture (or a file in the data folder).
        const ProgramRun tour = runProgram({ PELINOR_APP_PATH, "--tour", work + "/tour" }, kOffscreen, work);
        ASSERT_TRUE(tour.exited) << "crashed or waited";
        EXPECT_EQ(tour.status, 1);
        EXPECT_EQ(occurrences(tour.err, "数据文件夹里没有数据"), 1u) << tour.err;
        EXPECT_EQ(listing(folder), before);
        EXPECT_FALSE(fs::exists(work + "/tour"));

        const ProgramRun made = runProgram({ PELINOR_CLI_PATH, "initdb", folder }, {}, work);
        ASSERT_EQ(made.status, 0) << made.err;
        // The program now goes through the login to the main window (logged in and closed unattended).
        const ProgramRun started = runProgram({ PELINOR_APP_PATH },
            { { "QT_QPA_PLATFORM", "offscreen" }, { "PELINOR_TRACE_STARTUP", "1" },
                { "PELINOR_TRACE_STARTUP_LOGIN", "admin:vanto" }, { "PELINOR_TRACE_STARTUP_EXIT", "1" } },
            work);
        EXPECT_EQ(started.status, 0) << started.err;
        EXPECT_NE(started.err.find("login accepted to main window shown"), std::string::npos) << started.err;
    }
}

// Another program in the middle of writing a data file: the program says which file instead of
// waiting a minute on every statement, and ends.
TEST(StartupTest, AFileLockedByAnotherProgramIsNamedAtOnce)
{
    test::TempDataFolder data(DataFolderContent::FirstRows);
    const std::string work = fs::path(data.path()).parent_path().parent_path().string();
    CppSQLite3DB other;
    other.open(databasePathIn(data.path(), CookDb));
    other.execScript("BEGIN EXCLUSIVE");

    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runProgram({ PELINOR_APP_PATH }, kOffscreen, work);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(occurrences(run.err, "  cook.dll：正被另一个程序锁定\n"), 1u) << run.err;
}

// --help and --version answer on a machine without a display; the program itself says that it
// needs one instead of aborting.
TEST(StartupTest, HelpAndVersionNeedNoDisplay)
{
    test::TempDirectory work;
    const std::map<std::string, std::string> noDisplay { { "DISPLAY", "" }, { "WAYLAND_DISPLAY", "" },
        { "QT_QPA_PLATFORM", "" } };
    struct Case
    {
        std::vector<std::string> command;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        { { PELINOR_APP_PATH, "--help" }, 0, "--tour DIR", "" },
        { { PELINOR_APP_PATH, "-h" }, 0, "PELINOR_DATA_DIR", "" },
        { { PELINOR_APP_PATH, "--version" }, 0, "pelinor " PELINOR_VERSION "\n", "" },
        { { PELINOR_APP_PATH }, 1, "", "DISPLAY" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.size() > 1 ? c.command[1] : "(no option)");
        const ProgramRun run = runProgram(c.command, noDisplay, work.path());
        ASSERT_TRUE(run.exited) << run.err;
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(listing(work.path()).count("core"), 0u);
    }
}

} // namespace
