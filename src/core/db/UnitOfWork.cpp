#include "core/db/UnitOfWork.h"

#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <cctype>
#include <filesystem>
#include <sqlite3.h>

namespace pelinor {

UnitOfWork::UnitOfWork(int mainDatabase, std::initializer_list<int> attached)
{
    m_db.openExisting(GetDatabasePath(mainDatabase));
    // Attaching is not allowed inside a transaction, so every file joins first.
    for (const int id : attached) {
        if (id != mainDatabase) {
            // ATTACH would create a missing file; a data file that has gone is an error instead.
            if (!std::filesystem::exists(GetDatabasePath(id))) {
                throw CppSQLite3Exception(SQLITE_CANTOPEN, "unable to open database file: " + GetDatabasePath(id));
            }
            m_db.execQuery(formatSql("ATTACH DATABASE '%s' AS %s", GetDatabasePath(id), schemaName(id)));
        }
    }
    m_db.execQuery("BEGIN IMMEDIATE");
    m_open = true;
}

UnitOfWork::~UnitOfWork()
{
    if (m_open) {
        try {
            m_db.execQuery("ROLLBACK");
        } catch (const CppSQLite3Exception&) {
            // SQLite may have rolled back already (a failed COMMIT, a full disk); nothing is left to undo.
        }
    }
}

void UnitOfWork::commit()
{
    m_db.execQuery("COMMIT");
    m_open = false;
}

std::string UnitOfWork::schemaName(int databaseId)
{
    std::string name = databaseFileName(databaseId);
    name = name.substr(0, name.find('.'));
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

} // namespace pelinor
