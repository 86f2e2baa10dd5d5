// pelinor-cli backup: the backup page's backup, for a nightly job.
#include "cli/CliCommand.h"
#include "core/admin/Accounts.h"
#include "core/admin/Backups.h"
#include "core/db/CppSQLite3Exception.h"

#include <iostream>

namespace pelinor::cli {

namespace {

bool knownAccount(const std::string& userName)
{
    for (const auto& account : Accounts::list()) {
        if (account.userName == userName) {
            return true;
        }
    }
    return false;
}

int backup(std::vector<std::string> arguments)
{
    CommandArgs args("backup", std::move(arguments));
    const std::string user = args.value("--user").value_or(Accounts::kBuiltInUser);
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
    }
    if (!rest.empty() || user.empty()) {
        return fail("backup", "用法 / usage: pelinor-cli backup [--user NAME] [--data DIR]", 2);
    }
    try {
        // A mistyped name in a crontab must not stop the nightly backup: it is recorded as given.
        if (!knownAccount(user)) {
            std::cerr << "pelinor-cli backup: 注意：没有名为 " << user << " 的帐号 / no account named " << user << "\n";
        }
        const auto made = Backups::backup(user);
        if (!made.ok()) {
            return fail("backup", made.message());
        }
        std::cout << Backups::kBackupDone << " " << made->id << "\t" << made->stamp << "\t" << Backups::folder()
                  << "\n";
    } catch (const CppSQLite3Exception& e) {
        return fail("backup", std::string(Backups::kBackupFailed) + "：" + e.errorMessage());
    }
    return 0;
}

const CommandRegistration backupRegistration({ "backup",
    "  backup [--user NAME]  Back the data files up as a new set in the folder BFWJ beside the data\n"
    "                        folder, recorded as made by NAME (default admin); prints the set's\n"
    "                        number, stamp and folder. For a nightly job, e.g. in crontab:\n"
    "                          30 22 * * * /opt/pelinor/pelinor-cli backup --user admin\n"
    "                        Exits with 1 and makes no set when any file cannot be copied.\n",
    backup });

} // namespace

} // namespace pelinor::cli
