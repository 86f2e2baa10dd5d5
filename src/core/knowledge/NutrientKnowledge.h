#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// The nutrient reference texts of the nutrient file, read only.

struct NutrientCategory
{
    int id = 0;
    std::string name;
    std::vector<std::string> nutrients; // in nutrient number order
};

// The categories in number order, each with its nutrients.
std::vector<NutrientCategory> nutrientCategories();

// The six texts the knowledge page shows for one nutrient.
struct NutrientDescription
{
    std::string overview; // 基本概述
    std::string sources; // 食物来源
    std::string intake; // 摄入量
    std::string excess; // 过量症状
    std::string deficiency; // 缺乏症状
    std::string suitableFor; // 适应人群
};

// The first nutrient of that name; nothing when there is none (a category or the root).
std::optional<NutrientDescription> describeNutrient(const std::string& name);

// The symptoms a symptom page shows for a nutrient whose day reaches `percentage` of its
// reference: the excess symptoms above 100, the deficiency symptoms at 100 or below and when
// the percentage is undefined. Nothing when the nutrient has no row.
std::optional<std::string> symptomText(const std::string& nutrientName, float percentage);

// A stored text as shown: every "&nbsp;" becomes two blanks.
std::string shownKnowledgeText(std::string text);

} // namespace pelinor
