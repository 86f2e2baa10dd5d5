#pragma once

#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <string>

namespace pelinor::test {

// Reads one text column of the first row a statement on the sysmanager file gives ("" when none).
inline std::string sysManagerText(const std::string& sql, int column)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    CppSQLite3Query query = db.execQuery(sql);
    return query.eof() ? std::string("(none)") : query.getStringField(column);
}

inline int sysManagerCount(const std::string& table)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    return db.execQuery("SELECT COUNT(*) FROM " + table).getIntField(0);
}

} // namespace pelinor::test
