#pragma once

#include "core/common/Outcome.h"

#include <string>
#include <vector>

namespace pelinor {

// One food of a dish item's composition, with its grams as written there.
struct CompositionLine
{
    std::string foodName;
    std::string weight;
};

// The foods of a composition text in order: for each "；"-ended entry the text before ":" and the
// text after it without its closing "g". Empty entries are skipped.
std::vector<CompositionLine> compositionLines(const std::string& composition);

// The foods of a dish item while the dish editor is open, with the item's total weight. Each change
// adds its difference to the total (single precision), as the editor shows it.
class DishItemLines
{
public:
    DishItemLines(const std::string& weight, const std::string& composition);

    const std::vector<CompositionLine>& lines() const
    {
        return m_lines;
    }
    float total() const
    {
        return m_total;
    }
    std::string totalText() const; // "%.2f"

    // Appends a food; the weight must be a plain number.
    Outcome<> add(const std::string& foodName, const std::string& weight);
    Outcome<> changeWeight(std::size_t row, const std::string& weight);
    void remove(std::size_t row);

    // The lines in order, name ":" weight "g；" each.
    std::string composition() const;

private:
    std::vector<CompositionLine> m_lines;
    float m_total = 0.0f;
};

} // namespace pelinor
