#pragma once

#include <string>
#include <vector>

namespace pelinor {

// The foods of one plan or set-meal item as stored in one text: "name:gramsg；" per food,
// e.g. "大米:30g；小米:20g；".
struct CompositionEntry
{
    std::string foodName;
    double grams = 0.0;
};

class DishComposition
{
public:
    static std::vector<CompositionEntry> parse(const std::string& text);
    // Whole grams are written without decimals ("30"), scaled ones with two ("12.50").
    static std::string format(const std::vector<CompositionEntry>& entries);
    static std::string gramsText(double grams);
};

} // namespace pelinor
