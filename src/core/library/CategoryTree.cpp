#include "core/library/CategoryTree.h"

#include "core/db/CppSQLite3DB.h"

namespace pelinor {

std::vector<Category> readCategories(CppSQLite3DB& db, const std::string& sql)
{
    std::vector<Category> rows;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        rows.push_back({ query.getIntField(0), query.getIntField(1), query.getStringField(2) });
    }
    return rows;
}

const Category* categoryUnder(const std::vector<Category>& rows, int parentId)
{
    for (const auto& row : rows) {
        if (row.parentId == parentId) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace pelinor
