#pragma once

#include "DatabaseRows.h"
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

} // namespace pelinor::test
