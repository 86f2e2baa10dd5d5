// pelinor-cli restore: the backup page's restore of one set, all files or none.
#include "cli/CliCommand.h"
#include "core/admin/Backups.h"
#include "core/db/CppSQLite3Exception.h"

#include <charconv>
#include <iostream>

namespace pelinor::cli {

namespace {

bool wholeNumber(const std::string& text, int& number)
{
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, number);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

int restore(std::vector<std::string> arguments)
{
    CommandArgs args("restore", std::move(arguments));
    std::vector<std::string> rest;
    if (const int status = args.useDataFolderAndTakePositional(rest)) {
        return status;
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
        return fail("restore", std::string(Backups::kRestoreFailed) + "：" + e.errorMessage());
    }
    std::cout << Backups::kRestoreDone << "\n";
    return 0;
}

const CommandRegistration restoreRegistration({ "restore",
    "  restore ID            Write backup set ID over the data files, all of them or none; the\n"
    "                        accounts, roles and the list of sets are kept. Refuses, changing\n"
    "                        nothing, when a file of the set is damaged or another program is\n"
    "                        writing to a data file.\n",
    restore });

} // namespace

} // namespace pelinor::cli
