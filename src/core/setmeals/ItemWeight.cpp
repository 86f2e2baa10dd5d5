#include "core/setmeals/ItemWeight.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"

#include <cmath>

namespace pelinor {

Outcome<std::string> checkedWeight(std::string_view text)
{
    std::string weight = trimmedText(text);
    int digits = 0;
    int points = 0;
    for (char c : weight) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return refuse(kInvalidWeight, kSystemPromptCaption);
        }
    }
    if (digits == 0 || points > 1) {
        return refuse(kInvalidWeight, kSystemPromptCaption);
    }
    return weight;
}

float weightValue(std::string_view text)
{
    return static_cast<float>(leadingDecimal(text));
}

std::string gramsText(float grams)
{
    const double value = grams;
    return formatFixed(value, value == std::floor(value) ? 0 : 2);
}

std::string singleFoodComposition(const std::string& foodName, const std::string& weight)
{
    return foodName + ":" + weight + "g；";
}

} // namespace pelinor
