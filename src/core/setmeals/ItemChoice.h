#pragma once

#include "core/common/Outcome.h"
#include "core/setmeals/ChosenItem.h"

#include <string>
#include <vector>

namespace pelinor {

// What the item chooser yields for each of its pages. Each refuses with the message the user sees;
// a refusal changes nothing. The dish and food pages keep the weight as typed.

// A dish of the library: its main ingredients scaled to the weight ("%.2f" grams), kind "菜谱".
// Refused without a weight ("请输入重量！"), with a weight that is not a plain number, or without
// a chosen dish ("请选择菜谱").
Outcome<ChosenItem> chooseDishItem(const std::string& dishName, const std::string& weight);

// A single food: composition name ":" weight "g；", kind "原料". Refused as above ("请选择原料").
Outcome<ChosenItem> chooseFoodItem(const std::string& foodName, const std::string& weight);

// One food of a dish put together on the chooser's own page.
struct OwnDishFood
{
    std::string foodName;
    std::string weight;
};

// A dish put together on the spot: stored in the recipe tables as a new dish (its foods as main
// ingredients), all in one transaction, and handed back with the sum of the foods' weights and
// their composition, kind "菜谱". Refused without a name ("请输入食谱名称！"), without foods
// ("该菜谱中没有原料！"), with a food weight that is not a plain number, when a dish of that name
// exists already ("该菜谱已经存在！": dishes are found by name) or when a food has left the catalogue.
Outcome<ChosenItem> storeOwnDish(const std::string& dishName, const std::vector<OwnDishFood>& foods);

} // namespace pelinor
