#include "core/common/KaupGrading.h"

#include "core/common/DecimalText.h"
#include "core/common/NumberFormat.h"

#include <array>
#include <cstdio>

namespace pelinor {

namespace {

struct KaupBand
{
    float below;
    std::string text;
};

const std::array<KaupBand, 4>& kaupBands()
{
    static const std::array<KaupBand, 4> bands { {
        { 10.0f,
            "重度营养不良，营养不良是由于营养素摄入量不足或者吸收不良引起的，主要表现在体重明显低于正常范围，皮质脂"
            "肪减少，肌肉萎缩，严重时可导致人体抵抗力下降，甚至危及生命。" },
        { 15.0f,
            "轻度营养不良，营养不良是由于摄入量不足、饮食不当以及疾病的影响造成的；可能造成小朋友的生长、精神发育落"
            "后，其他营养缺乏、抗病能力下降。防治的关键在于科学的指导、平衡膳食以及加强体育锻炼。" },
        { 22.0f,
            "正常，身体比较健康，充足的营养对幼儿园小朋友的智力、生长以及精神发育起到很重要的作用。望继续保持良好的"
            "饮食习惯。" },
        { 27.0f,
            "肥胖，要适当控制饮食，主要是高能量的食物摄入应多摄入膳食纤维及富含营养低热量的食品，如水果、蔬菜、谷类"
            "等食物。" },
    } };
    return bands;
}

const std::string& severeObesityText()
{
    static const std::string text
        = "过度肥胖，过度肥胖者会增加高血压、糖尿病或血脂异常等肥胖相关慢性疾病的患病概率。对儿童心理发展具有消极"
          "的影响。肥胖儿童经常是同伴嘲笑、捉弄的对象，因此与正常儿童相比，肥胖儿童容易表现出更多的心理问题，如孤"
          "独、自我封闭、逃避社交，进而形成一种恶性循环。";
    return text;
}

} // namespace

BodyIndices bodyIndices(float heightCm, float weightKg)
{
    // Multiplied up by 10 one step at a time, in float, so that values on a band edge
    // (22 kg at 100 cm) come out exactly on it.
    float kaup = weightKg / (heightCm * heightCm);
    for (int i = 0; i < 4; ++i) {
        kaup *= 10.0f;
    }
    float rohrer = weightKg / (heightCm * heightCm * heightCm);
    for (int i = 0; i < 7; ++i) {
        rohrer *= 10.0f;
    }
    return { kaup, rohrer };
}

BodyIndices bodyIndicesFromText(std::string_view heightCm, std::string_view weightKg)
{
    return bodyIndices(static_cast<float>(leadingDecimal(heightCm)), static_cast<float>(leadingDecimal(weightKg)));
}

std::string indexText(float value)
{
    return formatFixed(static_cast<double>(value), 2);
}

const std::string& kaupEvaluationText(float kaup)
{
    for (const auto& band : kaupBands()) {
        if (kaup < band.below) {
            return band.text;
        }
    }
    return severeObesityText();
}

} // namespace pelinor
