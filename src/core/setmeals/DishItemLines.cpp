#include "core/setmeals/DishItemLines.h"

#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"
#include "core/setmeals/ItemWeight.h"

namespace pelinor {

std::vector<CompositionLine> compositionLines(const std::string& composition)
{
    std::vector<CompositionLine> lines;
    for (const std::string& entry : splitItems(composition)) {
        const std::size_t colon = entry.find(':');
        CompositionLine line;
        line.foodName = entry.substr(0, colon);
        if (colon != std::string::npos) {
            line.weight = entry.substr(colon + 1);
            if (!line.weight.empty() && line.weight.back() == 'g') {
                line.weight.pop_back();
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

DishItemLines::DishItemLines(const std::string& weight, const std::string& composition)
    : m_lines(compositionLines(composition))
    , m_total(weightValue(weight))
{
}

std::string DishItemLines::totalText() const
{
    return formatFixed(m_total, 2);
}

Outcome<> DishItemLines::add(const std::string& foodName, const std::string& weight)
{
    const auto checked = checkedWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    m_lines.push_back({ foodName, *checked });
    m_total += weightValue(*checked);
    return done();
}

Outcome<> DishItemLines::changeWeight(std::size_t row, const std::string& weight)
{
    const auto checked = checkedWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    CompositionLine& line = m_lines.at(row);
    m_total += weightValue(*checked) - weightValue(line.weight);
    line.weight = *checked;
    return done();
}

void DishItemLines::remove(std::size_t row)
{
    m_total -= weightValue(m_lines.at(row).weight);
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(row));
}

std::string DishItemLines::composition() const
{
    std::string text;
    for (const CompositionLine& line : m_lines) {
        text += singleFoodComposition(line.foodName, line.weight);
    }
    return text;
}

} // namespace pelinor
