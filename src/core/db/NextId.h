#pragma once

#include <string>

namespace pelinor {

class CppSQLite3DB;

// A new record number: one more than the largest `column` of `table` (rows picked by `where`, a
// clause such as "WHERE PcookPID = '3'" or empty), or `base` when there is no row. Plans, set
// meals and their items count from 0, everything else from 1. One MAX() query, which an index on
// the column answers without reading the table. `table`, `column` and `where` are the program's
// own texts (a value inside `where` goes through formatSql first).
int nextId(
    CppSQLite3DB& db, const std::string& table, const std::string& column, int base, const std::string& where = {});

} // namespace pelinor
