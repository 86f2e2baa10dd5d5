#include "core/analysis/PlanDayText.h"

#include <sstream>

namespace pelinor {

namespace {

std::string colourWord(CellColour colour)
{
    switch (colour) {
    case CellColour::Blue:
        return "蓝色";
    case CellColour::Red:
        return "红色";
    case CellColour::Black:
        break;
    }
    return "黑色";
}

std::string joined(const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += (i == 0 ? "" : "\t") + cells[i];
    }
    return line;
}

} // namespace

std::string analysisText(const PlanDayAnalysis& a)
{
    std::ostringstream out;
    out << "配餐分析：" << a.plan.name << "（编号 " << a.plan.id << "，" << a.plan.cycle << "）  " << a.plan.dayKey
        << "  " << a.plan.dayDate << "\n";
    out << "参考摄入量按 " << a.plan.referenceYear << " 年计算年龄\n\n";

    const SubjectHeader& s = a.subject;
    if (s.personal) {
        out << "姓    名：" << s.subjects << "    档案编号：" << s.archId << "\n";
        if (!s.childFound) {
            out << "（档案中找不到该幼儿）\n";
        }
        out << "出生日期：" << s.birth << "    性    别：" << s.sex << "    年    龄：" << s.ageText << "\n"
            << "身    高：" << s.height << "cm    体    重：" << s.weight << "kg    血    型：" << s.bloodType << "\n"
            << "KAUP指数：" << s.kaupText << "    ROHRER指数：" << s.rohrerText << "\n"
            << "体重/身高评价：" << s.evaluationText << "\n";
    } else {
        out << "班      级：" << s.subjects << "\n"
            << s.boys.countText << "    " << s.girls.countText << "\n"
            << s.boys.ageText << "    " << s.boys.heightText << "    " << s.boys.weightText << "\n"
            << s.girls.ageText << "    " << s.girls.heightText << "    " << s.girls.weightText << "\n";
    }

    out << "\n【各类营养素含量】\n" << joined({ kContentHeaders.begin(), kContentHeaders.end() }) << "\n";
    for (const ContentRow& row : a.content.rows) {
        out << joined({ row.cells.begin(), row.cells.end() }) << "\n";
    }

    out << "\n【与营养标准比对】（红色：过量  蓝色：不足  黑色：正常）\n元素名\t标准值\t实际值\t颜色\n";
    for (const ComparisonCell& cell : a.comparison.cells) {
        out << joined({ cell.name, cell.referenceText, cell.actualText, colourWord(cell.colour) }) << "\n";
    }

    out << "\n【饮食结构评价】\n食物种类\t参考量\t实际量\t评价\n";
    for (const FoodGroup& group : a.dietStructure.groups) {
        out << joined({ group.header, group.referenceText, group.actualText, std::string(gradeWord(group.grade)) })
            << "\n";
    }
    out << "评价与建议：" << a.dietStructure.text << "\n";

    out << "\n【饮食营养素评价】\n营养素\t参考量\t实际量\t占参考量比\t过量与缺乏\n";
    for (const EvaluatedNutrient& nutrient : a.nutrients.nutrients) {
        out << joined(
            { nutrient.header, nutrient.referenceText, nutrient.actualText, nutrient.percentText, nutrient.tabCaption })
            << "\n";
    }
    out << "评价与建议：" << a.nutrients.text << "\n";

    out << "\n【食物能量来源】\n餐次\t实际值\t参考值\n";
    for (const MealShare& meal : a.energySources.meals) {
        out << joined({ meal.meal, meal.shareText, meal.referenceText }) << "\n";
    }
    out << "食物种类\t摄入量(g)\t占总摄入量比\n";
    for (const SourceShare& source : a.energySources.sources) {
        out << joined({ source.name, source.gramsText, source.shareText }) << "\n";
    }

    out << "\n【三大营养素功能比】\n脂肪名称\t所占比例\n";
    for (const SourceRatio& ratio : a.macronutrients.fatSources) {
        out << joined({ ratio.name, ratio.shareText }) << "\n";
    }
    out << "蛋白质名称\t实际值\n";
    for (const SourceRatio& ratio : a.macronutrients.proteinSources) {
        out << joined({ ratio.name, ratio.shareText }) << "\n";
    }
    out << "三大营养素\t实际值\t参考值\t评价\n";
    for (const Macronutrient& macro : a.macronutrients.macronutrients) {
        out << joined({ macro.name, macro.shareText, macro.referenceText, std::string(gradeWord(macro.grade)) })
            << "\n";
    }
    out << "评价与建议：\n" << a.macronutrients.text << "\n";
    return out.str();
}

} // namespace pelinor
