#include "core/analysis/NutrientContent.h"

#include "core/analysis/PlanDaySource.h"
#include "core/common/DecimalText.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"

#include <algorithm>

namespace pelinor {

const std::array<std::string_view, kContentColumnCount> kContentHeaders = { "餐次", "食物名称", "重量(g)", "能量(kcal)",
    "蛋白质(g)", "脂肪(g)", "碳水化合物(g)", "膳食纤维(g)", "钙(mg)", "磷(mg)", "硒(ug)", "铁(mg)", "锰(mg)", "锌(ug)",
    "铜(mg)", "镁(mg)", "钾(mg)", "纳(mg)", "维生素B6(mg)", "维生素B12(ug)", "烟酸(mg)", "维生素C(mg)", "维生素E(mg)" };

float portionAmount(double valuePer100g, double grams)
{
    return static_cast<float>(valuePer100g) * 0.01f * static_cast<float>(grams);
}

namespace {

void fillCells(ContentRow& row)
{
    row.cells[0] = row.meal;
    row.cells[1] = row.name;
    row.cells[2] = row.weight;
    for (int n = 0; n < kContentNutrientCount; ++n) {
        row.cells[static_cast<std::size_t>(3 + n)] = formatFixed(row.values[static_cast<std::size_t>(n)], 2);
    }
}

} // namespace

NutrientContent computeNutrientContent(const PlanDaySource& source)
{
    NutrientContent content;
    std::array<float, kContentNutrientCount> totals {};
    struct Grouped
    {
        int group;
        ContentRow row;
    };
    std::vector<Grouped> grouped;
    for (const AnalysedItem& item : source.items) {
        content.weightTotal += static_cast<float>(leadingDecimal(item.weight));
        ContentRow row;
        row.meal = item.meal;
        row.name = item.name;
        row.weight = item.weight;
        for (const AnalysedPortion& portion : item.portions) {
            const AnalysedFood* food = source.foodOf(portion);
            if (!food) {
                continue;
            }
            for (int n = 0; n < kContentNutrientCount; ++n) {
                row.values[static_cast<std::size_t>(n)]
                    += portionAmount((*food)[kContentFoodColumns[static_cast<std::size_t>(n)]], portion.grams);
            }
        }
        for (int n = 0; n < kContentNutrientCount; ++n) {
            totals[static_cast<std::size_t>(n)] += row.values[static_cast<std::size_t>(n)];
        }
        fillCells(row);
        // A meal-time text that is none of the five goes after dinner.
        const int slot = mealSlotIndex(item.meal);
        grouped.push_back({ slot < 0 ? kMealSlotCount : slot, std::move(row) });
    }
    std::stable_sort(
        grouped.begin(), grouped.end(), [](const Grouped& a, const Grouped& b) { return a.group < b.group; });
    for (auto& entry : grouped) {
        content.rows.push_back(std::move(entry.row));
    }

    ContentRow total;
    total.meal = "总合";
    total.weight = formatFixed(content.weightTotal, 2);
    total.values = totals;
    total.total = true;
    fillCells(total);
    total.colours.fill(CellColour::Blue);
    total.colours[1] = CellColour::Black;
    content.rows.push_back(std::move(total));
    return content;
}

} // namespace pelinor
