#pragma once

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <string>
#include <vector>

namespace pelinor::test {

using Rows = std::vector<std::vector<std::string>>;

// The rows of a statement on one database file, each row's columns as text.
inline Rows rowsOf(int databaseId, const std::string& sql)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(databaseId));
    Rows rows;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        std::vector<std::string> row;
        for (int i = 0; i < query.numFields(); ++i) {
            row.push_back(query.getStringField(i));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace pelinor::test
