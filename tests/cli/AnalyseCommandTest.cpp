#include "CliRun.h"
#include "PdfText.h"
#include "TempDataFolder.h"
#include "core/analysis/PlanDayAnalysis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

using test::CliRun;
using test::runCli;

std::string text(const QJsonValue& value)
{
    return value.toString().toStdString();
}

class AnalyseCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new test::TempDirectory;
        s_folder = s_dir->path() + "/formal/";
        ASSERT_EQ(runCli("initdb --demo " + s_folder).status, 0);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        setenv("PELINOR_DATA_DIR", s_folder.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("PELINOR_DATA_DIR");
    }

    static QJsonObject analyseJson(const std::string& plan, const std::string& day)
    {
        const CliRun run = runCli("analyse " + plan + " " + day + " --json --data " + s_folder, "2>/dev/null");
        EXPECT_EQ(run.status, 0);
        return QJsonDocument::fromJson(QByteArray::fromStdString(run.output)).object();
    }

    static inline test::TempDirectory* s_dir = nullptr;
    static inline std::string s_folder;
};

// The command prints what the analysis screens show: the same texts, key by key.
TEST_F(AnalyseCommandTest, JsonHoldsTheFiguresOfEveryTab)
{
    const struct
    {
        const char* plan;
        const char* day;
    } plans[] = { { "0", "一天" }, { "4", "周二" } };
    for (const auto& p : plans) {
        const QJsonObject json = analyseJson(p.plan, p.day);
        const PlanDayAnalysis expected = AnalysePlanDay(std::atoi(p.plan), p.day);
        ASSERT_TRUE(expected.plan.found);
        EXPECT_EQ(text(json["plan"]["dayDate"]), expected.plan.dayDate);

        const QJsonObject subject = json["subject"].toObject();
        if (expected.subject.personal) {
            EXPECT_EQ(text(subject["child"]["kaup"]), expected.subject.kaupText);
            EXPECT_EQ(text(subject["child"]["age"]), expected.subject.ageText);
        } else {
            EXPECT_EQ(text(subject["classes"]["boys"]["heightText"]), expected.subject.boys.heightText);
            EXPECT_EQ(text(subject["classes"]["girls"]["ageText"]), expected.subject.girls.ageText);
        }

        const QJsonArray rows = json["content"]["rows"].toArray();
        ASSERT_EQ(static_cast<std::size_t>(rows.size()) + 1, expected.content.rows.size());
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const ContentRow& row = expected.content.rows[static_cast<std::size_t>(r)];
            EXPECT_EQ(text(rows[r]["meal"]), row.meal);
            EXPECT_EQ(text(rows[r]["weight"]), row.weight);
            for (int n = 0; n < kContentNutrientCount; ++n) {
                EXPECT_EQ(text(rows[r]["amounts"][n]), row.cells[static_cast<std::size_t>(3 + n)]) << r << "/" << n;
            }
        }
        EXPECT_EQ(text(json["content"]["total"]["amounts"][0]), expected.content.totals().cells[3]);

        for (int s = 0; s < kComparisonSlotCount; ++s) {
            const QJsonValue cell = json["comparison"]["nutrients"][s];
            const ComparisonCell& want = expected.comparison.cells[static_cast<std::size_t>(s)];
            EXPECT_EQ(text(cell["name"]), want.name);
            EXPECT_EQ(text(cell["reference"]), want.referenceText) << want.name;
            EXPECT_EQ(text(cell["actual"]), want.actualText) << want.name;
            const char* colour = want.colour == CellColour::Blue ? "blue"
                : want.colour == CellColour::Red                 ? "red"
                                                                 : "black";
            EXPECT_EQ(text(cell["colour"]), colour) << want.name;
        }
        for (int g = 0; g < kFoodGroupCount; ++g) {
            EXPECT_EQ(text(json["dietStructure"]["groups"][g]["actual"]),
                expected.dietStructure.groups[static_cast<std::size_t>(g)].actualText);
        }
        EXPECT_EQ(text(json["dietStructure"]["text"]), expected.dietStructure.text);
        for (int n = 0; n < kEvaluatedNutrientCount; ++n) {
            const EvaluatedNutrient& want = expected.nutrients.nutrients[static_cast<std::size_t>(n)];
            EXPECT_EQ(text(json["nutrientEvaluation"]["nutrients"][n]["percent"]), want.percentText);
            EXPECT_EQ(text(json["nutrientEvaluation"]["nutrients"][n]["caption"]), want.tabCaption);
        }
        EXPECT_EQ(text(json["nutrientEvaluation"]["text"]), expected.nutrients.text);
        for (int m = 0; m < 5; ++m) {
            EXPECT_EQ(text(json["energySources"]["meals"][m]["share"]),
                expected.energySources.meals[static_cast<std::size_t>(m)].shareText);
            EXPECT_EQ(text(json["energySources"]["sources"][m]["share"]),
                expected.energySources.sources[static_cast<std::size_t>(m)].shareText);
            EXPECT_EQ(text(json["macronutrients"]["proteinSources"][m]["share"]),
                expected.macronutrients.proteinSources[static_cast<std::size_t>(m)].shareText);
        }
        EXPECT_EQ(
            text(json["macronutrients"]["ratios"][1]["share"]), expected.macronutrients.macronutrients[1].shareText);
        EXPECT_EQ(text(json["macronutrients"]["text"]), expected.macronutrients.text);
    }
}

TEST_F(AnalyseCommandTest, TextNamesEveryTabAndBadCallsAreRefused)
{
    const CliRun run = runCli("analyse 0 一天 --data " + s_folder);
    ASSERT_EQ(run.status, 0) << run.output;
    const PlanDayAnalysis expected = AnalysePlanDay(0, "一天");
    for (const std::string& part : { std::string("【各类营养素含量】"), std::string("【三大营养素功能比】"),
             "总合\t\t" + expected.content.totals().weight, expected.dietStructure.text, expected.nutrients.text }) {
        EXPECT_NE(run.output.find(part), std::string::npos) << part;
    }

    struct Case
    {
        const char* arguments;
        int status;
    };
    const Case cases[] = {
        { "analyse 99 一天", 1 }, // no such plan
        { "analyse 0 周一", 1 }, // a one-day plan has no Monday
        { "analyse 3 一天", 1 }, // a one-week plan has no "一天"
        { "analyse zero 一天", 2 },
        { "analyse 0 周六", 2 },
        { "analyse 0", 2 },
    };
    for (const Case& c : cases) {
        const CliRun bad = runCli(std::string(c.arguments) + " --data " + s_folder);
        EXPECT_EQ(bad.status, c.status) << c.arguments;
        EXPECT_NE(bad.output.find("pelinor-cli analyse:"), std::string::npos) << c.arguments;
    }
}

// The printed report of a class's day, with the nutritionist's evaluation from the command line.
TEST_F(AnalyseCommandTest, PdfWritesTheFourPageReport)
{
    const std::string pdf = s_dir->path() + "/report.pdf";
    const CliRun run = runCli("analyse 1 一天 --pdf " + pdf + " --evaluation 多吃蔬菜 --data " + s_folder);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(test::pdfPageCount(pdf), 4);
    const std::string page1 = test::joinedPdfText(pdf, 1, 1);
    EXPECT_NE(page1.find("营养配餐报告"), std::string::npos);
    EXPECT_NE(page1.find("班级："), std::string::npos);
    EXPECT_NE(page1.find("男生人数："), std::string::npos);
    const std::string page4 = test::joinedPdfText(pdf, 4, 4);
    EXPECT_NE(page4.find("营养师综合评价与建议：多吃蔬菜"), std::string::npos);
    EXPECT_NE(page4.find("三大营养素摄入比例与国家标准比较"), std::string::npos);

    struct Case
    {
        std::string arguments;
        int status;
    };
    const Case cases[] = {
        { "--evaluation 好", 2 }, // an evaluation goes with --pdf only
        { "--pdf", 2 }, // no file named
        { "--pdf " + s_dir->path() + "/no/such/folder/report.pdf", 1 },
    };
    for (const Case& c : cases) {
        const CliRun bad = runCli("analyse --data " + s_folder + " 0 一天 " + c.arguments);
        EXPECT_EQ(bad.status, c.status) << c.arguments;
        EXPECT_NE(bad.output.find("pelinor-cli analyse:"), std::string::npos) << c.arguments;
    }
}

} // namespace
