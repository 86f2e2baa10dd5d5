#include "core/common/MealSlot.h"

namespace pelinor {

namespace {

template <typename Names> int indexIn(const Names& names, std::string_view text)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

int mealSlotIndex(std::string_view meal)
{
    return indexIn(kMealSlots, meal);
}

int weekDayIndex(std::string_view dayKey)
{
    return indexIn(kWeekDayKeys, dayKey);
}

} // namespace pelinor
