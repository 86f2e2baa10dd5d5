#pragma once

#include <array>
#include <string>
#include <vector>

namespace pelinor {

struct PlanDayAnalysis;

// The tables of the printed analysis report as rows of cell texts, read from what the analysis
// pages show (their list cells), with the report's own grades and percentages.
struct AnalysisReportTables
{
    // "餐次", "名称", "重量", "能量", "蛋白质", "脂肪", "碳水化合物": one row per dish or food,
    // the totals row "总合" last.
    std::vector<std::array<std::string, 7>> menu;
    // "食物种类", "参考摄入量", "实际摄入量", "食物种类评价": the nine food groups.
    std::vector<std::array<std::string, 4>> foodGroups;
    // "营养素名称", "标准摄入量", "实际摄入量", the percentage of the standard, "营养素评价":
    // the twenty nutrients of the comparison, row by row and pair by pair.
    std::vector<std::array<std::string, 5>> nutrients;
    // "食物种类", "摄入量", "占总摄入量比": the five source classes.
    std::vector<std::array<std::string, 3>> energySources;
    // "脂肪名称", "所占比例": animal and plant fat.
    std::vector<std::array<std::string, 2>> fatSources;
    // "蛋白质名称", "实际值": the four protein sources and the share of high-quality protein.
    std::vector<std::array<std::string, 2>> proteinSources;
    // "餐次", "实际值", "参考值": carbohydrate, fat, protein.
    std::vector<std::array<std::string, 3>> ratios;
};

AnalysisReportTables analysisReportTables(const PlanDayAnalysis& analysis);

// The report grades a figure from the texts it prints: the actual below 0.9 × the reference
// "不足", above 1.1 × the reference "过量", otherwise "正常" (a text that is no number counts as 0).
std::string reportGrade(const std::string& actualText, const std::string& referenceText);
// actual / reference × 100 "%.2f" and "%", from the printed texts; empty unless the reference is
// above 0.000001.
std::string reportPercent(const std::string& actualText, const std::string& referenceText);

} // namespace pelinor
