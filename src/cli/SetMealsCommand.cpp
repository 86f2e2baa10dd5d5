// pelinor-cli setmeals: the stored set meals, or one of them with its items and reference.
#include "cli/CliCommand.h"
#include "core/common/DecimalText.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/setmeals/SetMealReference.h"
#include "core/setmeals/SetMeals.h"

#include <iostream>

namespace pelinor::cli {

namespace {

constexpr const char* kPanelLabels[kSetMealPanelCount] = { "能量(kcal)", "蛋白质(g)", "脂肪(g)", "碳水化合物(g)",
    "钙(mg)", "磷(mg)", "钾(mg)", "钠(mg)", "镁(mg)", "铁(mg)", "锌(ug)", "硒(ug)", "铜(mg)", "锰(mg)", "碘(ug)",
    "维生素C(mg)", "维生素E(mg)", "维生素A(ug)", "维生素B1(mg)" };

void printList()
{
    std::cout << "编号\t套餐名称\t日期\t对象\n";
    for (const SetMealHead& head : listSetMeals()) {
        std::cout << head.id << "\t" << head.title << "\t" << head.date << "\t" << head.object << "\n";
    }
}

void printSetMeal(const SetMeal& setMeal)
{
    const auto head = loadSetMealHead(*setMeal.id);
    std::cout << "编号：" << *setMeal.id << "\n套餐名称：" << setMeal.title << "\n日期：" << (head ? head->date : "")
              << "\n对象：" << setMeal.object << "\n\n餐次\t名称\t重量(g)\t是否菜谱\t原料\n";
    // Meal time by meal time, each in stored order.
    for (std::string_view meal : kMealSlots) {
        for (const SetMealItem& item : setMeal.items) {
            if (item.meal == meal) {
                std::cout << item.meal << "\t" << item.name << "\t" << item.weight << "\t" << item.isDish << "\t"
                          << item.composition << "\n";
            }
        }
    }
    const auto reference = SetMealReference(setMeal.object);
    std::cout << "\n参考值（"
              << (reference.fallback ? "4岁" : "男" + formatInt(reference.boys) + " 女" + formatInt(reference.girls))
              << "）\n";
    for (int i = 0; i < kSetMealPanelCount; ++i) {
        std::cout << kPanelLabels[i] << "\t" << formatFixed(reference.values[static_cast<std::size_t>(i)], 2) << "\n";
    }
}

int setMeals(std::vector<std::string> arguments)
{
    CommandArgs args("setmeals", std::move(arguments));
    const bool folderReady = args.useDataFolder();
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
    }
    if (rest.size() > 1) {
        return fail("setmeals", "只能指定一个套餐编号 / only one set-meal number may be given", 2);
    }
    std::optional<int> id;
    if (!rest.empty()) {
        const auto number = wholeDecimal(rest.front());
        if (!number || *number < 0 || *number != static_cast<int>(*number)) {
            return fail("setmeals", "套餐编号不合法 / not a set-meal number: " + rest.front(), 2);
        }
        id = static_cast<int>(*number);
    }
    if (!folderReady) {
        return 1;
    }
    try {
        if (!id) {
            printList();
            return 0;
        }
        const auto setMeal = loadSetMeal(*id);
        if (!setMeal) {
            return fail("setmeals", "没有该套餐 / no set meal has the number " + formatInt(*id));
        }
        printSetMeal(*setMeal);
        return 0;
    } catch (const CppSQLite3Exception& error) {
        return fail("setmeals", error.errorMessage());
    }
}

const CommandRegistration registration({ "setmeals",
    "  setmeals [--data DIR] [N]\n"
    "                        Without N: every set meal (编号, 套餐名称, 日期, 对象), one per line.\n"
    "                        With N: set meal N with its items meal time by meal time and the\n"
    "                        reference values of its classes, as the set-meal page shows them.\n",
    setMeals });

} // namespace

} // namespace pelinor::cli
