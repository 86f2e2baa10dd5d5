#pragma once

#include "TempDataFolder.h"
#include "core/common/NutrientVector.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <string>
#include <vector>

namespace pelinor::test {

// The INSERT of a FoodShow row with the given per-100-g values (all others 0).
inline std::string foodShowRow(int id, int big, int small, const std::string& name, const NutrientVector& values = {})
{
    std::vector<std::string> columns(45, "0");
    columns[0] = std::to_string(id);
    columns[1] = std::to_string(big);
    columns[2] = std::to_string(small);
    columns[3] = "'" + escapeSqlText(name) + "'";
    columns[4] = "100";
    columns[42] = "''";
    columns[43] = "''";
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        columns[kNutrientFoodColumns[i]] = std::to_string(values[i]);
    }
    std::string sql = "INSERT INTO FoodShow VALUES(";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? "," : "") + columns[i];
    }
    return sql + ");";
}

inline NutrientVector energyOnly(double kcal)
{
    NutrientVector values;
    values[Nutrient::Energy] = kcal;
    return values;
}

// The rows of a statement on one database file, each row's columns as text.
inline std::vector<std::vector<std::string>> rowsOf(int databaseId, const std::string& sql)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(databaseId));
    std::vector<std::vector<std::string>> rows;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        std::vector<std::string> row;
        for (int i = 0; i < query.numFields(); ++i) {
            row.push_back(query.getStringField(i));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

using Rows = std::vector<std::vector<std::string>>;

} // namespace pelinor::test
