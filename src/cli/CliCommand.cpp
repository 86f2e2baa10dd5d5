#include "cli/CliCommand.h"

#include "core/db/DatabaseCatalog.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace pelinor::cli {

namespace {

std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> all;
    return all;
}

} // namespace

void registerCommand(CliCommand command)
{
    registry().push_back(std::move(command));
}

const std::vector<CliCommand>& commands()
{
    return registry();
}

int fail(const std::string& command, const std::string& message, int status)
{
    std::cerr << "pelinor-cli " << command << ": " << message << "\n";
    return status;
}

CommandArgs::CommandArgs(std::string command, std::vector<std::string> args)
    : m_command(std::move(command))
    , m_args(std::move(args))
{
}

std::optional<std::string> CommandArgs::value(const std::string& name)
{
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i] == name) {
            // "--pdf --data DIR" means a forgotten file name, not a file called "--data".
            if (i + 1 >= m_args.size() || m_args[i + 1].rfind("--", 0) == 0) {
                fail(m_command, "选项 " + name + " 缺少参数 / option " + name + " needs a value", 2);
                m_ok = false;
                m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i));
                return std::nullopt;
            }
            std::string found = m_args[i + 1];
            m_args.erase(
                m_args.begin() + static_cast<std::ptrdiff_t>(i), m_args.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return found;
        }
    }
    return std::nullopt;
}

bool CommandArgs::flag(const std::string& name)
{
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        if (m_args[i] == name) {
            m_args.erase(m_args.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

std::vector<std::string> CommandArgs::positional()
{
    std::vector<std::string> rest;
    for (const std::string& arg : m_args) {
        if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            fail(m_command, "未知选项 / unknown option: " + arg, 2);
            m_ok = false;
        } else {
            rest.push_back(arg);
        }
    }
    return rest;
}

bool CommandArgs::useDataFolder()
{
    if (const auto folder = value("--data")) {
        ::setenv("PELINOR_DATA_DIR", folder->c_str(), 1);
    }
    if (!m_ok) {
        return false;
    }
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(GetDatabasePath(id), error)) {
            fail(m_command,
                "数据文件夹不完整或不存在 / the data folder is missing a file: " + GetDatabasePath(id)
                    + "\n  (pelinor-cli initdb DIR creates a data folder; --data DIR names another one)");
            m_ok = false;
            return false;
        }
    }
    return true;
}

int CommandArgs::useDataFolderAndTakePositional(std::vector<std::string>& rest)
{
    if (!m_ok) {
        return 2;
    }
    if (!useDataFolder()) {
        return 1;
    }
    rest = positional();
    return m_ok ? 0 : 2;
}

} // namespace pelinor::cli
