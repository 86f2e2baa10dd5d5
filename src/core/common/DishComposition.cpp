#include "core/common/DishComposition.h"

#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"

#include <cmath>

namespace pelinor {

std::vector<CompositionEntry> DishComposition::parse(const std::string& text)
{
    std::vector<CompositionEntry> entries;
    for (const std::string& entry : splitItems(text)) {
        const size_t colon = entry.rfind(':');
        if (colon == std::string::npos) {
            continue;
        }
        CompositionEntry parsed;
        parsed.foodName = entry.substr(0, colon);
        // The grams are the number in front of the "g", where the reading stops by itself.
        parsed.grams = leadingDecimal(std::string_view(entry).substr(colon + 1));
        entries.push_back(std::move(parsed));
    }
    return entries;
}

std::string DishComposition::gramsText(double grams)
{
    return formatFixed(grams, std::fabs(grams - std::round(grams)) < 1e-9 ? 0 : 2);
}

std::string DishComposition::format(const std::vector<CompositionEntry>& entries)
{
    std::string text;
    for (const auto& entry : entries) {
        text += entry.foodName + ":" + gramsText(entry.grams) + "g" + std::string(kItemSeparator);
    }
    return text;
}

} // namespace pelinor
