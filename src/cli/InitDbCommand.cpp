// pelinor-cli initdb: a new data folder.
#include "cli/CliCommand.h"
#include "core/db/DataFolder.h"
#include "core/demo/LargeDemo.h"

#include <iostream>

namespace pelinor::cli {

namespace {

int initDb(std::vector<std::string> arguments)
{
    CommandArgs args("initdb", std::move(arguments));
    const bool demo = args.flag("--demo");
    const bool largeDemo = args.flag("--large-demo");
    const bool ifEmpty = args.flag("--if-empty");
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
    }
    if (rest.size() > 1) {
        return fail("initdb", "只能指定一个文件夹 / only one folder may be given", 2);
    }
    if (rest.empty()) {
        return fail("initdb", "请指定数据文件夹 / a folder is required (see --help)", 2);
    }
    if (demo && largeDemo) {
        return fail("initdb", "--demo 与 --large-demo 只能选一个 / --demo and --large-demo exclude each other", 2);
    }
    const std::string& folder = rest.front();
    if (ifEmpty) {
        if (const auto taken = takenDataFileName(folder); !taken.empty()) {
            std::cout << "数据文件夹已有数据文件，保持不变 / the data folder holds data, left as it is: " << folder
                      << "\n";
            return 0;
        }
    }
    const auto result = largeDemo
        ? createLargeDemoFolder(folder)
        : createDataFolder(folder, demo ? DataFolderContent::Demo : DataFolderContent::Library);
    if (!result.ok()) {
        return fail("initdb", result.message());
    }
    std::cout << "数据文件夹已创建 / data folder created: " << folder << "\n";
    return 0;
}

const CommandRegistration registration({ "initdb",
    "  initdb [--demo | --large-demo] [--if-empty] DIR\n"
    "                        Create a complete data folder in DIR: the twelve database files with\n"
    "                        their tables, the administrator account (admin / vanto) and its role,\n"
    "                        the classes 小班, 中班, 大班 and the food, dish, set-meal, reference-intake,\n"
    "                        nutrient-knowledge and vaccine library. With --demo it also adds\n"
    "                        demonstration classes, children, meal plans, health checks,\n"
    "                        attendance and vaccinations. --large-demo makes the folder of a big\n"
    "                        kindergarten after five years instead (about 2,000 foods, 600 children\n"
    "                        in 20 classes, 1,000 week plans, 200 set meals), always the same, for\n"
    "                        benchmarks.\n"
    "                        An existing database file is never overwritten: the command names it,\n"
    "                        changes nothing and exits with status 1. An empty file of 0 bytes\n"
    "                        holds nothing and counts as absent. With --if-empty a folder that holds\n"
    "                        any of the files is left as it is, with status 0 (make run uses it).\n",
    initDb });

} // namespace

} // namespace pelinor::cli
