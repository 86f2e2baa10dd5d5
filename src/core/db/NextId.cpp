#include "core/db/NextId.h"

#include "core/db/CppSQLite3DB.h"

#include <sqlite3.h>

namespace pelinor {

int nextId(CppSQLite3DB& db, const std::string& table, const std::string& column, int base, const std::string& where)
{
    // A lone MAX() is what SQLite answers from an index; an empty table gives NULL.
    std::string sql = "SELECT MAX(" + column + ") FROM " + table;
    if (!where.empty()) {
        sql += " " + where;
    }
    auto query = db.execQuery(sql);
    if (query.eof() || query.fieldDataType(0) == SQLITE_NULL) {
        return base;
    }
    const int largest = query.getIntField(0);
    return largest + 1 > base ? largest + 1 : base;
}

} // namespace pelinor
