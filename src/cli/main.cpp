// pelinor-cli: the jobs that need no window. Each command is a file of this folder that registers
// itself (CliCommand.h).
#include "cli/CliCommand.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp()
{
    std::cout << "用法 / Usage: pelinor-cli COMMAND [OPTIONS]\n\nCommands:\n";
    for (const auto& command : pelinor::cli::commands()) {
        std::cout << command.help;
    }
    std::cout << "  --help, -h            Show this help.\n\n"
                 "Commands that read a data folder take --data DIR; without it they use the folder that the\n"
                 "environment variable PELINOR_DATA_DIR names, or \"formal\" beside the program, as the\n"
                 "desktop program does.\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp();
        return args.empty() ? 2 : 0;
    }
    const std::string name = args[0];
    args.erase(args.begin());
    for (const auto& command : pelinor::cli::commands()) {
        if (command.name == name) {
            return command.run(std::move(args));
        }
    }
    std::cerr << "pelinor-cli: 未知命令 / unknown command: " << name << " (see --help)\n";
    return 2;
}
