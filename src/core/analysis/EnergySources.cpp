#include "core/analysis/EnergySources.h"

#include "core/analysis/AnalysisText.h"
#include "core/analysis/PlanDaySource.h"
#include "core/common/DecimalText.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"

#include <algorithm>

namespace pelinor {

const std::array<std::string_view, 3> kSourceListHeaders = { "食物种类", "摄入量", "占总摄入量比" };
const std::array<std::string_view, 3> kMealListHeaders = { "餐次", "实际值", "参考值" };
const std::string_view kEnergySourcesPrompt = "    该评价与建议由营养师添加：";

namespace {

constexpr std::array<std::string_view, kSourceClassCount> kSourceNames
    = { "谷薯类", "豆类", "植物性食物", "动物性食物", "纯热食物" };
constexpr int kAnimalSource = 3;
constexpr std::array<int, 5> kMealReferences = { 20, 10, 30, 10, 30 };

std::string percentText(int share)
{
    return formatInt(share) + "%";
}

} // namespace

int sourceClassOf(int bigType)
{
    switch (bigType) {
    case 1:
    case 2:
        return 0;
    case 3:
        return 1;
    case 4:
    case 5:
    case 6:
    case 7:
    case 21:
        return 2;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
        return 3;
    case 14:
    case 15:
    case 18:
        return 4;
    default:
        return -1;
    }
}

EnergySources computeEnergySources(const PlanDaySource& source)
{
    EnergySources result;
    std::array<double, 5> mealGrams {};
    std::array<double, kSourceClassCount> sourceGrams {};
    for (const AnalysedItem& item : source.items) {
        const double weight = leadingDecimal(item.weight);
        result.totalWeight += weight;
        if (const int slot = mealSlotIndex(item.meal); slot >= 0) {
            mealGrams[static_cast<std::size_t>(slot)] += weight;
        }
        for (const AnalysedPortion& portion : item.portions) {
            if (const AnalysedFood* food = source.foodOf(portion)) {
                if (const int sourceClass = sourceClassOf(food->bigType); sourceClass >= 0) {
                    sourceGrams[static_cast<std::size_t>(sourceClass)] += portion.grams;
                }
            }
        }
    }

    const double total = result.totalWeight;
    // The share is formed as grams × 100 / total before it is truncated: 29 g of 100 g is 29 %,
    // where 29 / 100 × 100 would give 28.999… and show 28 %.
    const auto truncatedShare = [total](double grams) { return static_cast<int>(shareOf(grams, total)); };

    int firstFour = 0;
    for (int m = 0; m < 5; ++m) {
        const auto index = static_cast<std::size_t>(m);
        MealShare& meal = result.meals[index];
        meal.meal = std::string(kMealSlots[index]);
        meal.grams = mealGrams[index];
        meal.reference = kMealReferences[index];
        meal.referenceText = percentText(meal.reference);
        if (m < 4) {
            meal.share = truncatedShare(meal.grams);
            firstFour += meal.share;
        } else if (total != 0.0) {
            meal.share = 100 - firstFour;
        }
        meal.shareText = percentText(meal.share);
    }

    int sum = 0;
    for (int c = 0; c < kSourceClassCount; ++c) {
        const auto index = static_cast<std::size_t>(c);
        SourceShare& share = result.sources[index];
        share.name = std::string(kSourceNames[index]);
        share.grams = sourceGrams[index];
        share.gramsText = formatFixed(share.grams, 0);
        share.share = truncatedShare(share.grams);
        sum += share.share;
    }
    if (total != 0.0 && sum != 100) {
        SourceShare& animal = result.sources[kAnimalSource];
        animal.share = std::max(0, 100 - sum + animal.share);
    }
    for (SourceShare& share : result.sources) {
        share.shareText = percentText(share.share);
    }
    return result;
}

} // namespace pelinor
