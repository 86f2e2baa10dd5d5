#include "core/setmeals/ChooserFoods.h"

#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/library/CategoryTree.h"

#include <algorithm>

namespace pelinor {

namespace {

void appendFoods(CppSQLite3DB& cook, const std::string& sql, std::vector<FoodListRow>& rows)
{
    for (auto query = cook.execQuery(sql); !query.eof(); query.nextRow()) {
        rows.push_back({ query.getStringField(3), query.getStringField(6), query.getStringField(8),
            query.getStringField(9), query.getStringField(10) });
    }
}

} // namespace

std::vector<FoodListRow> foodsOfTopCategory(int topId)
{
    DatabaseConnection cook(CookDb);
    std::vector<FoodListRow> rows;
    appendFoods(cook, formatSql("SELECT * FROM FoodShow WHERE  FoodBigTypeID ='%d' ORDER BY  FoodID ASC", topId), rows);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::vector<FoodListRow> foodsUnderTopCategory(int topId)
{
    DatabaseConnection cook(CookDb);
    std::vector<FoodListRow> rows;
    for (const Category& sub :
        readCategories(cook, formatSql("SELECT * FROM FoodType WHERE  FoodTypePID ='%d' ORDER BY rowid", topId))) {
        appendFoods(
            cook, formatSql("SELECT * FROM FoodShow WHERE  FoodSmallTypeID = '%d' ORDER BY rowid", sub.id), rows);
    }
    return rows;
}

} // namespace pelinor
