#pragma once

#include <array>
#include <cstddef>

namespace pelinor {

class CppSQLite3Query;

// The 28 nutrients the program knows, in the order of the food table's nutrient columns. Every list
// of nutrient values and every sum of them keeps this order.
enum class Nutrient : int
{
    Energy, // kcal
    Protein, // g
    Fat, // g
    Carbohydrate, // g
    Fibre, // g
    Cholesterol,
    VitaminA,
    Thiamine,
    Riboflavin,
    VitaminB6, // mg
    VitaminB12, // µg
    Folate,
    Niacin, // mg
    VitaminC, // mg
    VitaminE, // mg
    Calcium, // mg
    Phosphorus, // mg
    Potassium, // mg
    Sodium, // mg
    Magnesium, // mg
    Iron, // mg
    Zinc, // mg
    Selenium, // µg
    Copper, // mg
    Manganese, // mg
    Iodine,
    Retinol,
    NicotinicAcid,
};

inline constexpr std::size_t kNutrientCount = 28;

// The FoodShow column that holds each nutrient.
inline constexpr std::array<int, kNutrientCount> kNutrientFoodColumns
    = { 6, 8, 9, 10, 11, 14, 16, 18, 19, 20, 21, 22, 23, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39 };

// The label of each nutrient in the food and dish dialogs.
inline constexpr std::array<const char*, kNutrientCount> kNutrientLabels = {
    "能量：",
    "蛋白质：",
    "脂肪：",
    "碳水化合物：",
    "膳食纤维：",
    "胆固醇：",
    "维生素A：",
    "硫氨酸：",
    "核磺酸：",
    "维生素B6：",
    "维生素B12：",
    "叶酸：",
    "烟酸：",
    "维生素C：",
    "维生素E：",
    "钙：",
    "磷：",
    "钾：",
    "钠：",
    "镁：",
    "铁：",
    "锌：",
    "硒：",
    "铜：",
    "锰：",
    "碘：",
    "视黄醇：",
    "尼克酸：",
};

// The nutrient values of a food per 100 g, or a sum of scaled values.
class NutrientVector
{
public:
    NutrientVector() = default;

    // The 28 nutrient columns of the current row of a "SELECT * FROM FoodShow ..." query.
    static NutrientVector fromFoodRow(const CppSQLite3Query& row);

    double& operator[](std::size_t index)
    {
        return m_values[index];
    }
    double operator[](std::size_t index) const
    {
        return m_values[index];
    }
    double& operator[](Nutrient nutrient)
    {
        return m_values[static_cast<std::size_t>(nutrient)];
    }
    double operator[](Nutrient nutrient) const
    {
        return m_values[static_cast<std::size_t>(nutrient)];
    }
    static constexpr std::size_t size()
    {
        return kNutrientCount;
    }
    const std::array<double, kNutrientCount>& values() const
    {
        return m_values;
    }

    bool operator==(const NutrientVector&) const = default;

private:
    std::array<double, kNutrientCount> m_values {};
};

} // namespace pelinor
