#pragma once

#include <string>

namespace pelinor {

class CppSQLite3DB;

// A new record number: the largest number in column 0 of every row the statement gives, plus one
// (1 for an empty table). The statements read the whole table, ordered by the number.
int nextIdentifier(CppSQLite3DB& db, const std::string& sql);

} // namespace pelinor
