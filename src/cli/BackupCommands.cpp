// pelinor-cli backup, backups and restore: the backup page's actions for a nightly job.
#include "cli/CliCommand.h"
#include "core/admin/Accounts.h"
#include "core/admin/Backups.h"
#include "core/db/CppSQLite3Exception.h"

#include <charconv>
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

bool wholeNumber(const std::string& text, int& number)
{
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, number);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

int backup(std::vector<std::string> arguments)
{
    CommandArgs args("backup", std::move(arguments));
    const std::string user = args.value("--user").value_or(Accounts::kBuiltInUser);
    if (!args.ok()) {
        return 2;
    }
    if (!args.useDataFolder()) {
        return 1;
    }
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
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

int listBackups(std::vector<std::string> arguments)
{
    CommandArgs args("backups", std::move(arguments));
    if (!args.useDataFolder()) {
        return 1;
    }
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
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

int restore(std::vector<std::string> arguments)
{
    CommandArgs args("restore", std::move(arguments));
    if (!args.useDataFolder()) {
        return 1;
    }
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
    }
    int setId = 0;
    if (rest.size() != 1 || !wholeNumber(rest[0], setId)) {
        return fail("restore", "用法 / usage: pelinor-cli restore ID [--data DIR]   (ID: see pelinor-cli backups)", 2);
    }
    try {
        const auto restored = Backups::restore(setId);
        if (!restored.ok()) {
            return fail("restore", restored.message());
        }
    } catch (const CppSQLite3Exception& e) {
        return fail("restore", std::string(Backups::kRestoreFailed) + e.errorMessage());
    }
    std::cout << Backups::kRestoreDone << "\n";
    return 0;
}

const CommandRegistration backupRegistration({ "backup",
    "  backup [--user NAME]  Back the data files up as a new set in the folder BFWJ beside the data\n"
    "                        folder, recorded as made by NAME (default admin); prints the set's\n"
    "                        number, stamp and folder. For a nightly job, e.g. in crontab:\n"
    "                          30 22 * * * /opt/pelinor/pelinor-cli backup --user admin\n"
    "                        Exits with 1 and makes no set when any file cannot be copied.\n",
    backup });

const CommandRegistration listRegistration({ "backups",
    "  backups               List the backup sets, newest first: number, user, stamp (one per line,\n"
    "                        separated by tabs).\n",
    listBackups });

const CommandRegistration restoreRegistration({ "restore",
    "  restore ID            Write backup set ID over the data files, all of them or none; the\n"
    "                        accounts, roles and the list of sets are kept. Refuses, changing\n"
    "                        nothing, when a file of the set is damaged or another program is\n"
    "                        writing to a data file.\n",
    restore });

} // namespace

} // namespace pelinor::cli
