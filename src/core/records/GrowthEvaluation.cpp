#include "core/records/GrowthEvaluation.h"

#include "core/common/ChildAge.h"
#include "core/common/Clock.h"
#include "core/common/ItemList.h"
#include "core/common/KaupGrading.h"

#include <algorithm>
#include <map>
#include <vector>

namespace pelinor {

std::string standardWeightText(int years)
{
    return std::to_string(years < 3 ? 2 * years + 7 : 2 * years + 8) + "kg";
}

std::string standardHeightText(int years)
{
    return std::to_string(7 * (years + 10)) + "cm";
}

std::string deficiencySentence(std::string_view signCodes)
{
    static const std::map<std::string, std::vector<std::string>, std::less<>> nutrientsBySign {
        { "F1", { "能量", "蛋白质", "锌" } },
        { "F2", { "铁", "蛋白质" } },
        { "F3", { "维生素A", "蛋白质" } },
        { "F4", { "维生素A" } },
        { "F5", { "维生素C" } },
        { "F6", { "钙" } },
        { "F7", { "维生素B族" } },
        { "F8", { "铁", "锰", "锌" } },
    };
    std::vector<std::string> lacking;
    for (const auto& code : splitItems(signCodes)) {
        const auto found = nutrientsBySign.find(code);
        if (found == nutrientsBySign.end()) {
            continue;
        }
        for (const auto& nutrient : found->second) {
            if (std::find(lacking.begin(), lacking.end(), nutrient) == lacking.end()) {
                lacking.push_back(nutrient);
            }
        }
    }
    if (lacking.empty()) {
        return "通过临床表现：身体一切正常";
    }
    std::string list;
    for (const auto& nutrient : lacking) {
        list += list.empty() ? nutrient : "、" + nutrient;
    }
    return "通过临床表现：缺乏" + list + "。";
}

GrowthEvaluation evaluateGrowth(const ArchiveRecord& archive)
{
    GrowthEvaluation result;
    if (const auto age = childAge(archive.birth, programClock().today())) {
        result.ageText = ageText(*age);
        result.standardWeight = standardWeightText(age->years);
        result.standardHeight = standardHeightText(age->years);
    }
    const BodyIndices indices = bodyIndicesFromText(archive.height, archive.weight);
    result.kaup = indexText(indices.kaup);
    result.rohrer = indexText(indices.rohrer);
    result.evaluation = kaupEvaluationText(indices.kaup);
    result.deficiency = deficiencySentence(archive.lcbx);
    return result;
}

} // namespace pelinor
