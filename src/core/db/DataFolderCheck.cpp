#include "core/db/DataFolderCheck.h"

#include "core/db/DatabaseCatalog.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelinor {

namespace {

constexpr char kSqliteHeader[16] = "SQLite format 3"; // and its terminating zero byte

// What an SQLite result code says about the file it came from.
DataFileProblem problemOf(int result)
{
    switch (result & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DataFileProblem::Locked;
    case SQLITE_NOTADB:
        return DataFileProblem::NotADatabase;
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        return DataFileProblem::Unreadable;
    default:
        return DataFileProblem::Damaged;
    }
}

class Connection
{
public:
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // Opens an existing file only: SQLite would otherwise make an empty one for a missing name.
    explicit Connection(const std::string& path)
    {
        m_result = sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~Connection()
    {
        sqlite3_close_v2(m_db);
    }
    int result() const
    {
        return m_result;
    }
    sqlite3* db() const
    {
        return m_db;
    }

private:
    sqlite3* m_db = nullptr;
    int m_result;
};

// SQLite's quick check: the structure of every page, without comparing indexes with their tables.
std::optional<DataFileProblem> quickCheck(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &statement, nullptr);
    if (result == SQLITE_OK) {
        result = sqlite3_step(statement);
        if (result == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
            result = text && std::strcmp(text, "ok") == 0 ? SQLITE_OK : SQLITE_CORRUPT;
        }
    }
    sqlite3_finalize(statement);
    if (result == SQLITE_OK || result == SQLITE_DONE) {
        return std::nullopt;
    }
    return problemOf(result);
}

// Whether another program holds the file for writing: the write lock is taken and given back at
// once, before anything is written (SQLite makes no journal until the first change).
bool writeLockTaken(sqlite3* db)
{
    if (sqlite3_db_readonly(db, "main") == 1) {
        return false; // nothing this program could write either
    }
    const int result = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return problemOf(result) == DataFileProblem::Locked;
}

std::optional<DataFileProblem> inspect(const std::string& path, int lockWaitMs)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0) {
        switch (errno) {
        case EACCES:
            return DataFileProblem::Unreadable;
        case ELOOP:
            return DataFileProblem::NotADatabase;
        default:
            return DataFileProblem::Missing;
        }
    }
    if (!S_ISREG(info.st_mode)) {
        return DataFileProblem::NotADatabase;
    }
    if (info.st_size == 0) {
        return DataFileProblem::Empty;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return DataFileProblem::Unreadable;
    }
    char header[sizeof(kSqliteHeader)] = {};
    const ssize_t length = ::read(descriptor, header, sizeof(header));
    ::close(descriptor);
    if (length != static_cast<ssize_t>(sizeof(header)) || !std::equal(header, header + sizeof(header), kSqliteHeader)) {
        return DataFileProblem::NotADatabase;
    }

    Connection connection(path);
    if (connection.result() != SQLITE_OK) {
        return problemOf(connection.result());
    }
    sqlite3_busy_timeout(connection.db(), lockWaitMs);
    if (auto problem = quickCheck(connection.db())) {
        return problem;
    }
    if (writeLockTaken(connection.db())) {
        return DataFileProblem::Locked;
    }
    return std::nullopt;
}

const char* describe(DataFileProblem problem)
{
    switch (problem) {
    case DataFileProblem::Missing:
        return "没有这个文件";
    case DataFileProblem::Empty:
        return "是空文件（0 字节），里面没有数据";
    case DataFileProblem::NotADatabase:
        return "不是数据库文件";
    case DataFileProblem::Damaged:
        return "已损坏";
    case DataFileProblem::Unreadable:
        return "无法打开（没有读写权限）";
    case DataFileProblem::Locked:
        return "正被另一个程序锁定";
    }
    return "";
}

// A path as it can be pasted into a terminal.
std::string shellWord(const std::string& text)
{
    const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '.'
            || c == '_' || c == '-' || static_cast<unsigned char>(c) >= 0x80;
    });
    if (plain) {
        return text;
    }
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

DataFolderCheck DataFolderCheck::run(const std::string& folder, int lockWaitMs)
{
    DataFolderCheck check;
    check.m_folder = folder;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        if (auto problem = inspect(databasePathIn(folder, id), lockWaitMs)) {
            check.m_findings.push_back({ id, *problem });
        }
    }
    return check;
}

bool DataFolderCheck::worthRetrying() const
{
    return !m_findings.empty() && std::all_of(m_findings.begin(), m_findings.end(), [](const DataFileFinding& f) {
        return f.problem == DataFileProblem::Locked;
    });
}

std::string DataFolderCheck::message() const
{
    if (ok()) {
        return {};
    }
    const std::string cli = GetExeDirectory() + "pelinor-cli";
    const std::string createCommand = cli + " initdb " + shellWord(m_folder);
    auto any = [this](DataFileProblem problem) {
        return std::any_of(
            m_findings.begin(), m_findings.end(), [problem](const DataFileFinding& f) { return f.problem == problem; });
    };

    // A folder without any data: the first start, or PELINOR_DATA_DIR names the wrong folder.
    const bool blank = m_findings.size() == static_cast<size_t>(kLastDatabaseId - kFirstDatabaseId + 1)
        && std::all_of(m_findings.begin(), m_findings.end(), [](const DataFileFinding& f) {
               return f.problem == DataFileProblem::Missing || f.problem == DataFileProblem::Empty;
           });
    if (blank) {
        return "数据文件夹里没有数据：\n" + m_folder
            + "\n\n十二个数据文件都不存在或是空文件。要新建数据文件夹，请在终端中运行：\n  " + createCommand
            + "\n如果数据保存在别的文件夹中，请把环境变量 PELINOR_DATA_DIR 设为那个文件夹。\n";
    }

    std::string text = "数据文件夹中有文件不能使用：\n" + m_folder + "\n\n";
    // The backups hold every file but sysmanager.dll, which gets advice of its own.
    const DataFileFinding* firstBackedUp = nullptr;
    bool accountsLost = false;
    for (const auto& finding : m_findings) {
        text += "  " + databaseFileName(finding.databaseId) + "：" + describe(finding.problem) + "\n";
        if (finding.problem == DataFileProblem::Locked || finding.problem == DataFileProblem::Unreadable) {
            continue;
        }
        if (finding.databaseId == SysManagerDb) {
            accountsLost = true;
        } else if (!firstBackedUp) {
            firstBackedUp = &finding;
        }
    }
    if (firstBackedUp || accountsLost) {
        text += "\n";
        if (firstBackedUp) {
            text += "请退出程序，从备份中恢复上面的文件：备份在数据文件夹旁边的 BFWJ 文件夹中，每个文件的备份名是"
                    "备份时间加文件名再加 .bak（例如 20141105093000"
                + databaseFileName(firstBackedUp->databaseId)
                + ".bak）。把最近一次备份中的同名文件复制到数据文件夹，并改回原来的文件名。\n";
        }
        if (accountsLost) {
            text += std::string(firstBackedUp ? "" : "请退出程序。")
                + "sysmanager.dll（帐号、体检和免疫记录）不在备份之中：请复制您自己保存的副本。没有副本时，可以用 "
                + cli
                + " initdb 在另一个文件夹新建数据，再把其中的 sysmanager.dll 复制过来：帐号会回到初始的 admin / "
                  "vanto，体检和免疫记录会丢失。\n";
        }
        if (firstBackedUp) {
            text += "没有备份时，可以把这个数据文件夹改名留存，再运行下面的命令新建一个（新的数据文件夹里只有初始数据）"
                    "：\n"
                    "  "
                + createCommand + "\n";
        }
    }
    if (any(DataFileProblem::Unreadable)) {
        text += "\n请检查文件的权限：运行 Pelinor 的用户必须能读写上面的文件。\n";
    }
    if (any(DataFileProblem::Locked)) {
        text += "\n请关闭正在使用这些文件的程序（例如另一个正在运行的 Pelinor，或打开了这些文件的数据库工具），"
                "然后重试。\n";
    }
    return text;
}

} // namespace pelinor
