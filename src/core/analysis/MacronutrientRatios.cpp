#include "core/analysis/MacronutrientRatios.h"

#include "core/analysis/PlanDaySource.h"
#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"

#include <cmath>
#include <vector>

namespace pelinor {

const std::array<std::string_view, 2> kFatListHeaders = { "脂肪名称", "所占比例" };
const std::array<std::string_view, 2> kProteinListHeaders = { "蛋白质名称", "实际值" };
const std::array<std::string_view, 3> kRatioListHeaders = { "餐次", "实际值", "参考值" };

namespace {

enum ProteinSource
{
    CerealProtein,
    BeanProtein,
    AnimalProtein,
    OtherProtein,
    NoProteinSource = -1,
};

ProteinSource proteinSourceOf(int bigType)
{
    if (bigType == 1 || bigType == 2) {
        return CerealProtein;
    }
    if (bigType == 3) {
        return BeanProtein;
    }
    if (bigType >= 8 && bigType <= 12) {
        return AnimalProtein;
    }
    if ((bigType >= 4 && bigType <= 7) || (bigType >= 13 && bigType <= 22)) {
        return OtherProtein;
    }
    return NoProteinSource;
}

std::string percentText(double share)
{
    return formatFixed(share, 2) + "%";
}

SourceRatio ratio(std::string_view name, double share)
{
    return { std::string(name), share, percentText(share) };
}

} // namespace

MacronutrientRatios computeMacronutrientRatios(const PlanDaySource& source)
{
    MacronutrientRatios result;
    double carbohydrate = 0.0;
    double fat = 0.0;
    double protein = 0.0;
    double plantFat = 0.0;
    double animalFat = 0.0;
    std::array<double, 4> proteinBySource {};
    for (const AnalysedItem& item : source.items) {
        for (const AnalysedPortion& portion : item.portions) {
            const AnalysedFood* food = source.foodOf(portion);
            if (!food) {
                continue;
            }
            const double g = portion.grams;
            carbohydrate += (*food)[10] * g / 100.0;
            const double fatGrams = (*food)[9] * g / 100.0;
            fat += fatGrams;
            if (food->bigType >= 1 && food->bigType <= 7) {
                plantFat += fatGrams;
            } else if (food->bigType >= 8 && food->bigType <= 12) {
                animalFat += fatGrams;
            }
            const double proteinGrams = (*food)[8] * g / 100.0;
            protein += proteinGrams;
            if (const ProteinSource from = proteinSourceOf(food->bigType); from != NoProteinSource) {
                proteinBySource[static_cast<std::size_t>(from)] += proteinGrams;
            }
        }
    }

    const double sourcedFat = plantFat + animalFat;
    result.fatSources
        = { ratio("动物性脂肪", shareOf(animalFat, sourcedFat)), ratio("植物性脂肪", shareOf(plantFat, sourcedFat)) };

    const double sourcedProtein = proteinBySource[0] + proteinBySource[1] + proteinBySource[2] + proteinBySource[3];
    result.proteinSources[0] = ratio("谷薯类蛋白质", shareOf(proteinBySource[CerealProtein], sourcedProtein));
    result.proteinSources[1] = ratio("豆类蛋白质", shareOf(proteinBySource[BeanProtein], sourcedProtein));
    result.proteinSources[2] = ratio("动物性蛋白质", shareOf(proteinBySource[AnimalProtein], sourcedProtein));
    // The other foods take what the three printed shares leave of 100.00 %, counted in hundredths
    // so that the four rows always add up to exactly 100.00 % as printed; a day without protein
    // shows 0.00 % here too.
    double other = 0.0;
    if (sourcedProtein != 0.0) {
        long long hundredths = 10000;
        for (int row = 0; row < 3; ++row) {
            hundredths
                -= std::llround(leadingDecimal(result.proteinSources[static_cast<std::size_t>(row)].shareText) * 100.0);
        }
        other = static_cast<double>(hundredths) / 100.0;
    }
    result.proteinSources[3] = ratio("其他食物蛋白质", other);
    result.proteinSources[4] = ratio(
        "优质蛋白质所占比例", shareOf(proteinBySource[AnimalProtein] + proteinBySource[BeanProtein], sourcedProtein));

    const double together = carbohydrate + fat + protein;
    const std::array<std::string_view, 3> names = { "碳水化合物", "脂肪", "蛋白质" };
    const std::array<double, 3> grams = { carbohydrate, fat, protein };
    const std::array<float, 3> references = { 65.0f, 30.0f, 20.0f };
    const std::array<std::string_view, 3> referenceTexts = { "55%-65%", "20%-30%", "15%-20%" };
    std::vector<std::string> insufficient;
    std::vector<std::string> excess;
    std::vector<std::string> normal;
    for (std::size_t m = 0; m < 3; ++m) {
        Macronutrient& macro = result.macronutrients[m];
        macro.name = std::string(names[m]);
        macro.grams = grams[m];
        macro.share = shareOf(grams[m], together);
        macro.shareText = percentText(macro.share);
        macro.reference = references[m];
        macro.referenceText = std::string(referenceTexts[m]);
        macro.grade = gradeAgainst(macro.share, macro.reference);
        (macro.grade == Grade::Insufficient    ? insufficient
                : macro.grade == Grade::Excess ? excess
                                               : normal)
            .push_back(macro.name);
    }

    result.date = monthDayOf(source.dayDate);
    const std::string& month = result.date.month;
    const std::string& day = result.date.day;
    constexpr std::string_view kAll = "碳水化合物、脂肪、蛋白质";
    std::string e = joinNames(excess);
    std::string i = joinNames(insufficient);
    std::string n = joinNames(normal);
    if (e == kAll) {
        result.text
            = fillSlots("营养师评价：根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量过量。", { month, day, e })
            + "\n"
            + fillSlots(
                "营养师建议：根据系统分析，被调查对象适量减少 %s含量比较高的食物，以满足三餐所摄入食物能量标准需求",
                { e });
    } else if (i == kAll) {
        result.text
            = fillSlots("营养师评价：根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量不足。", { month, day, i })
            + "\n"
            + fillSlots(
                "营养师建议：根据系统分析，被调查对象适量增加 %s 含量比较高的食物,以满足三餐所摄入食物能量标准需求。",
                { i });
    } else if (n == kAll) {
        result.text = fillSlots("营养师评价：根据系统分析，被调查对象在 %s月%s日摄入食物中%s的摄入量达到标准。",
                          { month, day, n })
            + "\n"
            + fillSlots("营养师建议：根据系统分析，被调查对象按照目前标准摄入%"
                        "s含量适中的食物，以满足三餐所摄入食物能量标准需求。",
                { n });
    } else {
        const std::string increase = i.empty() ? std::string() : fillSlots("适量增加含有%s比较高的食物,", { i });
        const std::string reduce = e.empty() ? std::string() : fillSlots("适量减少含%s比较高的食物", { e });
        if (!n.empty()) {
            n += "的摄入量达到标准。";
        }
        if (!e.empty()) {
            e += "的摄入量过高。";
        }
        if (!i.empty()) {
            i += "食物的摄入量不足。";
        }
        result.text
            = fillSlots("营养师评价：根据系统分析，被调查对象在 %s月%s日摄入食物中,%s %s %s", { month, day, n, e, i })
            + "\n"
            + fillSlots(
                "营养师建议：根据系统分析，被调查对象%s%s，以满足三餐所摄入食物能量标准需求。", { increase, reduce });
    }
    return result;
}

} // namespace pelinor
