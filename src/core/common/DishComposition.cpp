#include "core/common/DishComposition.h"

#include "core/common/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pelinor {

namespace {

constexpr std::string_view kSeparator = "；";

} // namespace

std::vector<CompositionEntry> DishComposition::parse(const std::string& text)
{
    std::vector<CompositionEntry> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(kSeparator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string entry = text.substr(start, end - start);
        start = end + kSeparator.size();
        const size_t colon = entry.rfind(':');
        if (entry.empty() || colon == std::string::npos) {
            continue;
        }
        CompositionEntry parsed;
        parsed.foodName = entry.substr(0, colon);
        // The grams are the number in front of the "g"; strtod stops there by itself.
        parsed.grams = std::strtod(entry.c_str() + colon + 1, nullptr);
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
        text += entry.foodName + ":" + gramsText(entry.grams) + "g" + std::string(kSeparator);
    }
    return text;
}

} // namespace pelinor
