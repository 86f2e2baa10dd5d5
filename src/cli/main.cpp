// pelinor-cli: the jobs that need no window.
#include "core/db/DataFolder.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kHelp = R"(用法 / Usage: pelinor-cli COMMAND [OPTIONS]

Commands:
  initdb [--demo] DIR   Create a complete data folder in DIR: the twelve database files with
                        their tables, the administrator account (admin / vanto) and its role,
                        the classes 小班, 中班, 大班 and the food, dish, set-meal, reference-intake,
                        nutrient-knowledge and vaccine library. With --demo it also adds
                        demonstration classes, children and meal plans.
                        An existing database file is never overwritten: the command names it,
                        changes nothing and exits with status 1.
  --help, -h            Show this help.

The desktop program finds its data in the folder "formal" beside it, or in the folder that the
environment variable PELINOR_DATA_DIR names.
)";

int initDb(const std::vector<std::string>& args)
{
    bool demo = false;
    std::string folder;
    for (const auto& arg : args) {
        if (arg == "--demo") {
            demo = true;
        } else if (!arg.empty() && arg[0] == '-') {
            std::cerr << "pelinor-cli initdb: 未知选项 / unknown option: " << arg << "\n";
            return 2;
        } else if (folder.empty()) {
            folder = arg;
        } else {
            std::cerr << "pelinor-cli initdb: 只能指定一个文件夹 / only one folder may be given\n";
            return 2;
        }
    }
    if (folder.empty()) {
        std::cerr << "pelinor-cli initdb: 请指定数据文件夹 / a folder is required (see --help)\n";
        return 2;
    }
    const auto result = pelinor::createDataFolder(
        folder, demo ? pelinor::DataFolderContent::Demo : pelinor::DataFolderContent::Library);
    if (!result.ok) {
        std::cerr << "pelinor-cli initdb: " << result.message << "\n";
        return 1;
    }
    std::cout << "数据文件夹已创建 / data folder created: " << folder << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kHelp;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "initdb") {
        return initDb(args);
    }
    std::cerr << "pelinor-cli: 未知命令 / unknown command: " << command << " (see --help)\n";
    return 2;
}
