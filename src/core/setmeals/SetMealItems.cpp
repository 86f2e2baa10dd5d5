#include "core/setmeals/SetMealItems.h"

#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"
#include "core/setmeals/ItemWeight.h"

namespace pelinor {

SetMealItem setMealItemOf(const ChosenItem& chosen)
{
    return { chosen.meal, chosen.name, formatFixed(leadingDecimal(chosen.weight), 2),
        std::string(dishFlagOf(chosen.kind)), chosen.composition };
}

SetMealItem editedSetMealItem(const SetMealItem& item, const EditedDish& edited)
{
    SetMealItem changed = item;
    changed.weight = formatFixed(leadingDecimal(edited.weight), 2);
    changed.composition = edited.composition;
    if (!edited.meal.empty()) {
        changed.meal = edited.meal;
    }
    return changed;
}

Outcome<EditedDish> editedFood(const std::string& foodName, const std::string& weight, const std::string& meal)
{
    const auto checked = checkedWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    return EditedDish { *checked, singleFoodComposition(foodName, *checked), meal };
}

} // namespace pelinor
