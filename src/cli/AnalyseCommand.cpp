// pelinor-cli analyse: the analysis of one day of a saved plan, as text or as JSON, and its
// printed report as a PDF.
#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "core/analysis/AnalysisText.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/analysis/PlanDayText.h"
#include "core/common/MealSlot.h"
#include "core/db/CppSQLite3Exception.h"
#include "reports/AnalysisReport.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <variant>

namespace pelinor::cli {

namespace {

// A JSON value whose objects keep their keys in the order they were added, so the output reads
// like the screens and stays the same from run to run.
class Json
{
public:
    static Json text(std::string value)
    {
        Json json;
        json.m_value = std::move(value);
        return json;
    }
    static Json number(long long value)
    {
        Json json;
        json.m_value = value;
        return json;
    }
    static Json boolean(bool value)
    {
        Json json;
        json.m_value = value;
        return json;
    }
    static Json object()
    {
        Json json;
        json.m_value = Members {};
        return json;
    }
    static Json array()
    {
        Json json;
        json.m_value = Items {};
        return json;
    }
    template <typename Range> static Json texts(const Range& values)
    {
        Json json = array();
        for (const auto& value : values) {
            json.push(text(std::string(value)));
        }
        return json;
    }

    Json& add(std::string key, Json value)
    {
        std::get<Members>(m_value).emplace_back(std::move(key), std::move(value));
        return *this;
    }
    Json& add(std::string key, std::string value)
    {
        return add(std::move(key), text(std::move(value)));
    }
    Json& push(Json value)
    {
        std::get<Items>(m_value).push_back(std::move(value));
        return *this;
    }

    void write(std::ostream& out, int indent = 0) const
    {
        const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
        if (const auto* members = std::get_if<Members>(&m_value)) {
            if (members->empty()) {
                out << "{}";
                return;
            }
            out << "{\n";
            for (std::size_t i = 0; i < members->size(); ++i) {
                out << pad;
                writeString(out, (*members)[i].first);
                out << ": ";
                (*members)[i].second.write(out, indent + 2);
                out << (i + 1 < members->size() ? ",\n" : "\n");
            }
            out << std::string(static_cast<std::size_t>(indent), ' ') << "}";
        } else if (const auto* items = std::get_if<Items>(&m_value)) {
            if (items->empty()) {
                out << "[]";
                return;
            }
            out << "[\n";
            for (std::size_t i = 0; i < items->size(); ++i) {
                out << pad;
                (*items)[i].write(out, indent + 2);
                out << (i + 1 < items->size() ? ",\n" : "\n");
            }
            out << std::string(static_cast<std::size_t>(indent), ' ') << "]";
        } else if (const auto* string = std::get_if<std::string>(&m_value)) {
            writeString(out, *string);
        } else if (const auto* integer = std::get_if<long long>(&m_value)) {
            out << *integer;
        } else if (const auto* flag = std::get_if<bool>(&m_value)) {
            out << (*flag ? "true" : "false");
        } else {
            out << "null";
        }
    }

private:
    using Members = std::vector<std::pair<std::string, Json>>;
    using Items = std::vector<Json>;

    static void writeString(std::ostream& out, const std::string& value)
    {
        out << '"';
        for (const char c : value) {
            switch (c) {
            case '"':
                out << "\\\"";
                break;
            case '\\':
                out << "\\\\";
                break;
            case '\n':
                out << "\\n";
                break;
            case '\r':
                out << "\\r";
                break;
            case '\t':
                out << "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned>(c));
                    out << escaped;
                } else {
                    out << c;
                }
            }
        }
        out << '"';
    }

    std::variant<std::monostate, std::string, long long, bool, Members, Items> m_value;
};

std::string colourName(CellColour colour)
{
    switch (colour) {
    case CellColour::Blue:
        return "blue";
    case CellColour::Red:
        return "red";
    case CellColour::Black:
        break;
    }
    return "black";
}

Json groupJson(const ClassGroupSummary& group)
{
    return Json::object()
        .add("count", Json::number(group.count))
        .add("countText", group.countText)
        .add("heightText", group.heightText)
        .add("weightText", group.weightText)
        .add("ageText", group.ageText);
}

Json toJson(const PlanDayAnalysis& a)
{
    Json plan = Json::object();
    plan.add("id", Json::number(a.plan.id))
        .add("name", a.plan.name)
        .add("cycle", a.plan.cycle)
        .add("dayKey", a.plan.dayKey)
        .add("dayDate", a.plan.dayDate)
        .add("referenceYear", Json::number(a.plan.referenceYear));

    const SubjectHeader& s = a.subject;
    Json subject = Json::object();
    subject.add("kind", s.kind).add("subjects", s.subjects).add("archId", s.archId);
    if (s.personal) {
        subject.add("child",
            Json::object()
                .add("found", Json::boolean(s.childFound))
                .add("sex", s.sex)
                .add("birth", s.birth)
                .add("height", s.height)
                .add("weight", s.weight)
                .add("age", s.ageText)
                .add("bloodType", s.bloodType)
                .add("kaup", s.kaupText)
                .add("rohrer", s.rohrerText)
                .add("evaluation", s.evaluationText));
    } else {
        subject.add("classes", Json::object().add("boys", groupJson(s.boys)).add("girls", groupJson(s.girls)));
    }

    Json rows = Json::array();
    for (const ContentRow& row : a.content.rows) {
        if (!row.total) {
            rows.push(
                Json::object()
                    .add("meal", row.meal)
                    .add("name", row.name)
                    .add("weight", row.weight)
                    .add("amounts", Json::texts(std::vector<std::string>(row.cells.begin() + 3, row.cells.end()))));
        }
    }
    const ContentRow& totals = a.content.totals();
    Json content = Json::object();
    content.add("headers", Json::texts(kContentHeaders))
        .add("rows", std::move(rows))
        .add("total",
            Json::object()
                .add("weight", totals.weight)
                .add("amounts", Json::texts(std::vector<std::string>(totals.cells.begin() + 3, totals.cells.end()))));

    Json comparisonCells = Json::array();
    for (const ComparisonCell& cell : a.comparison.cells) {
        comparisonCells.push(Json::object()
                                 .add("name", cell.name)
                                 .add("reference", cell.referenceText)
                                 .add("actual", cell.actualText)
                                 .add("colour", colourName(cell.colour))
                                 .add("grade", std::string(gradeWord(cell.grade)))
                                 .add("percent", cell.percentText));
    }
    Json comparison = Json::object();
    comparison.add("nutrients", std::move(comparisonCells))
        .add("boys", Json::number(a.comparison.boys))
        .add("girls", Json::number(a.comparison.girls));

    Json groups = Json::array();
    for (const FoodGroup& group : a.dietStructure.groups) {
        groups.push(Json::object()
                        .add("header", group.header)
                        .add("name", group.name)
                        .add("reference", group.referenceText)
                        .add("actual", group.actualText)
                        .add("grade", std::string(gradeWord(group.grade))));
    }
    Json diet = Json::object();
    diet.add("groups", std::move(groups)).add("text", a.dietStructure.text);

    Json nutrients = Json::array();
    for (const EvaluatedNutrient& nutrient : a.nutrients.nutrients) {
        nutrients.push(Json::object()
                           .add("header", nutrient.header)
                           .add("name", nutrient.name)
                           .add("reference", nutrient.referenceText)
                           .add("actual", nutrient.actualText)
                           .add("percent", nutrient.percentText)
                           .add("caption", nutrient.tabCaption));
    }
    Json evaluation = Json::object();
    evaluation.add("nutrients", std::move(nutrients)).add("text", a.nutrients.text);

    Json meals = Json::array();
    for (const MealShare& meal : a.energySources.meals) {
        meals.push(
            Json::object().add("meal", meal.meal).add("share", meal.shareText).add("reference", meal.referenceText));
    }
    Json sources = Json::array();
    for (const SourceShare& source : a.energySources.sources) {
        sources.push(
            Json::object().add("name", source.name).add("grams", source.gramsText).add("share", source.shareText));
    }
    Json energy = Json::object();
    energy.add("meals", std::move(meals)).add("sources", std::move(sources));

    const auto ratioList = [](const auto& list) {
        Json json = Json::array();
        for (const SourceRatio& ratio : list) {
            json.push(Json::object().add("name", ratio.name).add("share", ratio.shareText));
        }
        return json;
    };
    Json ratios = Json::array();
    for (const Macronutrient& macro : a.macronutrients.macronutrients) {
        ratios.push(Json::object()
                        .add("name", macro.name)
                        .add("share", macro.shareText)
                        .add("reference", macro.referenceText)
                        .add("grade", std::string(gradeWord(macro.grade))));
    }
    Json macronutrients = Json::object();
    macronutrients.add("fatSources", ratioList(a.macronutrients.fatSources))
        .add("proteinSources", ratioList(a.macronutrients.proteinSources))
        .add("ratios", std::move(ratios))
        .add("text", a.macronutrients.text);

    Json root = Json::object();
    root.add("plan", std::move(plan))
        .add("subject", std::move(subject))
        .add("content", std::move(content))
        .add("comparison", std::move(comparison))
        .add("dietStructure", std::move(diet))
        .add("nutrientEvaluation", std::move(evaluation))
        .add("energySources", std::move(energy))
        .add("macronutrients", std::move(macronutrients));
    return root;
}

bool isDayKey(const std::string& day)
{
    return day == kOneDayKey || weekDayIndex(day) >= 0;
}

int analyse(std::vector<std::string> arguments)
{
    CommandArgs args("analyse", std::move(arguments));
    const bool json = args.flag("--json");
    const auto pdf = args.value("--pdf");
    const auto evaluation = args.value("--evaluation");
    const auto energyEvaluation = args.value("--energy-evaluation");
    if (!args.ok()) {
        return 2;
    }
    if ((evaluation || energyEvaluation) && !pdf) {
        return fail("analyse", "--evaluation 和 --energy-evaluation 只用于 --pdf / they go with --pdf", 2);
    }
    if (!args.useDataFolder()) {
        return args.ok() ? 1 : 2;
    }
    const auto rest = args.positional();
    if (!args.ok()) {
        return 2;
    }
    if (rest.size() != 2) {
        return fail(
            "analyse", "请指定配餐编号和日子，例如 analyse 0 一天 / usage: analyse PLAN DAY [--json | --pdf FILE]", 2);
    }
    int planId = 0;
    const std::string& planText = rest[0];
    const auto parsed = std::from_chars(planText.data(), planText.data() + planText.size(), planId);
    if (parsed.ec != std::errc() || parsed.ptr != planText.data() + planText.size()) {
        return fail("analyse", "配餐编号必须是整数 / PLAN must be a plan number: " + planText, 2);
    }
    const std::string& day = rest[1];
    if (!isDayKey(day)) {
        return fail(
            "analyse", "日子必须是 一天、周一、周二、周三、周四 或 周五 / DAY must be 一天 or 周一 … 周五: " + day, 2);
    }
    try {
        const PlanDayAnalysis analysis = AnalysePlanDay(planId, day);
        if (!analysis.plan.found) {
            return fail("analyse", "没有编号为 " + planText + " 的配餐 / no plan with that number");
        }
        const bool weekPlan = analysis.plan.cycle == kOneWeekCycle;
        if (weekPlan == (day == kOneDayKey)) {
            return fail("analyse",
                "配餐“" + analysis.plan.name + "”的周期是" + analysis.plan.cycle
                    + (weekPlan ? "，请指定 周一 … 周五" : "，请指定 一天") + " / DAY does not fit the plan's cycle");
        }
        if (pdf) {
            return writePdf("analyse", *pdf, [&] {
                return makeAnalysisReport({ analysis, QString::fromStdString(energyEvaluation.value_or(std::string())),
                    QString::fromStdString(evaluation.value_or(std::string())) });
            });
        } else if (json) {
            toJson(analysis).write(std::cout);
            std::cout << "\n";
        } else {
            std::cout << analysisText(analysis);
        }
    } catch (const CppSQLite3Exception& error) {
        return fail("analyse", error.what());
    }
    return 0;
}

const CommandRegistration registration({ "analyse",
    "  analyse PLAN DAY [--json | --pdf FILE [--evaluation TEXT] [--energy-evaluation TEXT]]\n"
    "                        Print the nutrition analysis of one day of a saved plan: the subject,\n"
    "                        the nutrient content of every dish with the totals, the comparison with\n"
    "                        the reference intakes (with colours), the food groups, the twelve graded\n"
    "                        nutrients, the meal and source shares and the macronutrient ratios, each\n"
    "                        with its evaluation text. PLAN is the plan number, DAY is 一天 for a\n"
    "                        one-day plan or 周一 … 周五 for a one-week plan. --json prints the same as\n"
    "                        one JSON object (keys in the README).\n"
    "                        --pdf writes the printed report 营养配餐报告 (four pages) to FILE\n"
    "                        instead; --evaluation gives the nutritionist's overall evaluation and\n"
    "                        --energy-evaluation the evaluation of the energy sources (both empty\n"
    "                        otherwise).\n",
    analyse });

} // namespace

} // namespace pelinor::cli
