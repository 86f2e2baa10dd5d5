#include "core/analysis/DietStructure.h"

#include "core/analysis/PlanDaySource.h"
#include "core/common/NumberFormat.h"

#include <vector>

namespace pelinor {

namespace {

struct GroupDefinition
{
    std::string_view header;
    std::string_view name;
    float reference;
    float lower;
    double upper;
};

// The bounds as the grading has always held them: 90 % of the amount as a single-precision
// number, 110 % as the double 1.1 × amount (440.00000000000006 for the vegetables), except for
// the cereals whose upper bound is the single-precision 330.
const std::array<GroupDefinition, kFoodGroupCount> kGroups = { {
    { "谷薯类", "谷薯类", 300.0f, 270.0f, 330.0f },
    { "蔬菜类", "蔬菜类", 400.0f, 360.0f, 1.1 * 400 },
    { "水果类", "水果类", 100.0f, 90.0f, 1.1 * 100 },
    { "畜禽肉类", "畜禽肉类", 50.0f, 45.0f, 1.1 * 50 },
    { "蛋类", "蛋类", 25.0f, 22.5f, 1.1 * 25 },
    { "鱼虾类", "鱼虾类", 50.0f, 45.0f, 1.1 * 50 },
    { "豆类", "豆类及制品", 50.0f, 45.0f, 1.1 * 50 },
    { "乳类", "乳类及制品", 100.0f, 90.0f, 1.1 * 100 },
    { "油脂", "油脂", 25.0f, 22.5f, 1.1 * 25 },
} };

constexpr std::string_view kAllGroups = "谷薯类、蔬菜类、水果类、畜禽肉类、蛋类、鱼虾类、豆类及制品、乳类及制品、油脂";

} // namespace

const std::array<std::string_view, kFoodGroupCount + 1> kDietStructureHeaders
    = { "食物种类", "谷薯类", "蔬菜类", "水果类", "畜禽肉类", "蛋类", "鱼虾类", "豆类", "乳类", "油脂" };

int foodGroupOf(int bigType)
{
    switch (bigType) {
    case 1:
    case 2:
    case 7:
        return 0;
    case 4:
    case 5:
        return 1;
    case 6:
        return 2;
    case 8:
    case 9:
        return 3;
    case 11:
        return 4;
    case 12:
        return 5;
    case 3:
        return 6;
    case 10:
        return 7;
    case 18:
        return 8;
    default:
        return -1;
    }
}

DietStructure evaluateDietStructure(const PlanDaySource& source)
{
    DietStructure result;
    std::array<float, kFoodGroupCount> actual {};
    for (const AnalysedItem& item : source.items) {
        for (const AnalysedPortion& portion : item.portions) {
            if (const AnalysedFood* food = source.foodOf(portion)) {
                const int group = foodGroupOf(food->bigType);
                if (group >= 0) {
                    actual[static_cast<std::size_t>(group)] += static_cast<float>(portion.grams);
                }
            }
        }
    }

    std::vector<std::string> insufficient;
    std::vector<std::string> excess;
    std::vector<std::string> normal;
    for (int g = 0; g < kFoodGroupCount; ++g) {
        const auto index = static_cast<std::size_t>(g);
        const GroupDefinition& definition = kGroups[index];
        FoodGroup& group = result.groups[index];
        group.header = std::string(definition.header);
        group.name = std::string(definition.name);
        group.reference = definition.reference;
        group.actual = actual[index];
        group.referenceText = formatFixed(definition.reference, 0);
        group.actualText = formatFixed(group.actual, 2);
        if (group.actual < definition.lower) {
            group.grade = Grade::Insufficient;
            insufficient.push_back(group.name);
        } else if (group.actual > definition.upper) {
            group.grade = Grade::Excess;
            excess.push_back(group.name);
        } else {
            group.grade = Grade::Normal;
            normal.push_back(group.name);
        }
    }

    result.date = monthDayOf(source.dayDate);
    const std::string& month = result.date.month;
    const std::string& day = result.date.day;
    std::string e = joinNames(excess);
    std::string i = joinNames(insufficient);
    std::string n = joinNames(normal);
    if (e == kAllGroups) {
        result.text = fillSlots("根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量过量。", { month, day, e })
            + fillSlots(
                "营养师建议：被调查对象适量减少 %s 等食物的摄入；以达到平衡膳食、合理营养、促进健康的目的。", { e });
    } else if (i == kAllGroups) {
        result.text = fillSlots("根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量不足。", { month, day, i })
            + fillSlots(
                "营养师建议：被调查对象适量增加 %s 等食物的摄入；以达到平衡膳食、合理营养、促进健康的目的。", { i });
    } else if (n == kAllGroups) {
        result.text = fillSlots("根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量达到标准。", { month, day, n })
            + fillSlots(
                "营养师建议：被调查对象按照目前标准，摄入 %s 等食物；以达到平衡膳食、合理营养、促进健康的目的。",
                { n });
    } else {
        const std::string increase = i.empty() ? std::string() : fillSlots("适量增加%s的摄入量,", { i });
        const std::string reduce = e.empty() ? std::string() : fillSlots("适量减少%s的摄入量", { e });
        if (!n.empty()) {
            n += "的摄入量达到标准。";
        }
        if (!e.empty()) {
            e += "的摄入量过高。";
        }
        if (!i.empty()) {
            i += "食物的摄入量不足。";
        }
        result.text = fillSlots("根据系统分析，被调查对象在 %s月%s日摄入食物中,%s %s %s", { month, day, n, e, i })
            + fillSlots("营养师建议：被调查对象%s%s，以达到平衡膳食、合理营养、促进健康的目的。", { increase, reduce });
    }
    return result;
}

} // namespace pelinor
