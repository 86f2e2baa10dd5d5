#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelinor::cli {

// One command of pelinor-cli. Each command lives in a file of its own and registers itself with
// a static `CommandRegistration`; main() only looks commands up.
struct CliCommand
{
    std::string name;
    std::string help; // the lines --help shows for it, already indented
    std::function<int(std::vector<std::string>)> run; // exit status: 0 done, 1 failed, 2 misused
};

void registerCommand(CliCommand command);
const std::vector<CliCommand>& commands();

struct CommandRegistration
{
    explicit CommandRegistration(CliCommand command)
    {
        registerCommand(std::move(command));
    }
};

// Prints "pelinor-cli COMMAND: message" on standard error and gives `status` back.
int fail(const std::string& command, const std::string& message, int status = 1);

// The arguments of a command with its options taken out. `--data DIR` is understood by every
// command that reads a data folder: it points the program at DIR (as PELINOR_DATA_DIR does) and
// checks that the folder holds the twelve files.
class CommandArgs
{
public:
    CommandArgs(std::string command, std::vector<std::string> args);

    // Takes `--name VALUE` out; nothing when absent. A missing value is an error (see ok()).
    std::optional<std::string> value(const std::string& name);
    // Takes `--name` out; true when it was there.
    bool flag(const std::string& name);
    // What is left once the options are taken; any remaining "-..." is an unknown option.
    std::vector<std::string> positional();

    // False after a usage error, which has been printed already.
    bool ok() const
    {
        return m_ok;
    }

    // Applies `--data DIR` (if given) and checks the data folder; prints the trouble and returns
    // false when the folder cannot be used.
    bool useDataFolder();

    // The usual step once the options are taken: applies and checks the data folder, then takes
    // the positional arguments into `rest`. Returns 0, or the exit status after a trouble that has
    // been printed: 2 for a usage error, 1 when the data folder cannot be used.
    int useDataFolderAndTakePositional(std::vector<std::string>& rest);

private:
    std::string m_command;
    std::vector<std::string> m_args;
    bool m_ok = true;
};

} // namespace pelinor::cli
