#include "core/setmeals/MealTimeDishes.h"

#include "core/common/AppInfo.h"
#include "core/common/MealSlot.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/setmeals/ItemWeight.h"

#include <algorithm>

namespace pelinor {

std::vector<MealTimeItem> mealTimeItems(const std::string& meal)
{
    DatabaseConnection cook(CookDb);
    std::vector<MealTimeItem> items;
    for (auto query = cook.execQuery(formatSql("SELECT * FROM CXC WHERE CanCi = '%s' ORDER BY rowid", meal));
         !query.eof(); query.nextRow()) {
        items.push_back({ query.getIntField(0), query.getStringField(1), query.getStringField(2),
            query.getStringField(3), query.getStringField(4) });
    }
    std::reverse(items.begin(), items.end());
    return items;
}

int NewCxcId(CppSQLite3DB& cookDb)
{
    return nextId(cookDb, "CXC", "ID", 1);
}

Outcome<int> addMealTimeItem(const std::string& meal, const ChosenItem& item)
{
    if (mealSlotIndex(meal) < 0) {
        return refuse("请选择餐次", kSystemPromptCaption);
    }
    const auto weight = checkedWeight(item.weight);
    if (!weight) {
        return weight.refusal();
    }
    UnitOfWork work(CookDb);
    const int id = NewCxcId(work.db());
    work.db().execQuery(formatSql("INSERT INTO  CXC VALUES('%d','%s','%s','%s','%s')", id, meal, item.name, *weight,
        std::string(dishFlagOf(item.kind))));
    work.commit();
    return id;
}

Outcome<> editMealTimeItemWeight(int id, const std::string& weight)
{
    const auto checked = checkedWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    DatabaseConnection cook(CookDb);
    cook.execQuery(formatSql("UPDATE CXC SET Weight = '%s'WHERE  ID = '%d'", *checked, id));
    return done();
}

void deleteMealTimeItem(int id)
{
    DatabaseConnection cook(CookDb);
    cook.execQuery(formatSql("DELETE FROM CXC WHERE ID = '%d'", id));
}

} // namespace pelinor
