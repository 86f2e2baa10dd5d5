#pragma once

#include <string>
#include <string_view>

namespace pelinor {

// The kinds the item chooser hands back: a dish of the recipe library (or one put together on the
// spot) or a single food of the catalogue.
inline constexpr std::string_view kDishKind = "菜谱";
inline constexpr std::string_view kFoodKind = "原料";

// The dish flag stored with set-meal items, plan items and recommendations.
inline constexpr std::string_view kIsDish = "是";
inline constexpr std::string_view kIsNotDish = "否";

// What the item chooser yields on OK.
struct ChosenItem
{
    std::string name;
    std::string weight; // grams, a plain number as typed (or the sum of an own dish's foods)
    std::string composition; // "name:gramsg；" per food
    std::string kind; // "菜谱" or "原料"
    std::string meal; // only when the meal-time selector was shown
};

// What the dish editor (and the food editor of the set-meal page) yields on OK.
struct EditedDish
{
    std::string weight;
    std::string composition;
    std::string meal; // only when the meal-time selector was shown
};

// "是" for a dish, "否" for anything else.
inline std::string_view dishFlagOf(std::string_view kind)
{
    return kind == kDishKind ? kIsDish : kIsNotDish;
}

} // namespace pelinor
