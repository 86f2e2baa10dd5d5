// pelinor-cli backups: the backup sets, newest first, one per line.
#include "cli/CliCommand.h"
#include "core/admin/Backups.h"
#include "core/db/CppSQLite3Exception.h"

#include <iostream>

namespace pelinor::cli {

namespace {

int listBackups(std::vector<std::string> arguments)
{
    CommandArgs args("backups", std::move(arguments));
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (!rest.empty()) {
        return fail("backups", "用法 / usage: pelinor-cli backups [--data DIR]", 2);
    }
    try {
        for (const auto& set : Backups::list()) {
            std::cout << set.id << "\t" << set.user << "\t" << set.stamp << "\n";
        }
    } catch (const CppSQLite3Exception& e) {
        return fail("backups", e.errorMessage());
    }
    return 0;
}

const CommandRegistration listRegistration({ "backups",
    "  backups               List the backup sets, newest first: number, user, stamp (one per line,\n"
    "                        separated by tabs).\n",
    listBackups });

} // namespace

} // namespace pelinor::cli
