#include "reports/AnalysisReport.h"

#include "../core/analysis/AnalysisDayFixture.h"
#include "PdfText.h"
#include "core/analysis/AnalysisReportTables.h"
#include "reports/ReportOutput.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class AnalysisReportTest : public test::AnalysisDayTest
{
protected:
    // The report of a plan written as a PDF (as printed), its text without blanks and line breaks.
    std::string printed(
        int planId, const QString& energy = {}, const QString& overall = {}, int first = 1, int last = 0)
    {
        m_report = makeAnalysisReport({ analyse(planId), energy, overall });
        const std::string path = m_dir.path() + "/analysis.pdf";
        EXPECT_EQ(writeReportPdf(m_report, QString::fromStdString(path)).toStdString(), "");
        m_pages = test::pdfPageCount(path);
        return test::joinedPdfText(path, first, last);
    }
    // The same pages as the preview paints them.
    std::string previewed(int planId, int first, int last)
    {
        const Report report = makeAnalysisReport({ analyse(planId), {}, {} });
        const std::string path = m_dir.path() + "/preview.pdf";
        {
            QPdfWriter writer(QString::fromStdString(path));
            writer.setResolution(300);
            writer.setPageSize(QPageSize(QPageSize::A4));
            QPainter painter(&writer);
            for (int page = first; page <= last; ++page) {
                if (page > first) {
                    writer.newPage();
                }
                report.paintPage(painter, page, false);
            }
        }
        return test::joinedPdfText(path);
    }
    static bool has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    test::TempDirectory m_dir;
    Report m_report;
    int m_pages = 0;
};

} // namespace

TEST_F(AnalysisReportTest, APersonalPlanPrintsTheChildsBlockAndTheMenuOnPageOne)
{
    const std::string page1 = printed(kGirlPlan, {}, {}, 1, 1);
    EXPECT_EQ(m_pages, 4);
    EXPECT_EQ(m_report.pageCount(), 4);
    EXPECT_EQ(m_report.documentName(), QStringLiteral("营养配餐报告"));
    // The date stored with the day, not today's.
    for (const char* part :
        { "报表日期:2026-03-05", "第1页/共4页", "营养配餐报告", "档案编号:21000001", "姓名：杨小米",
            "出生日期：2021-01-15", "性别：女", "身高：110.0cm", "体重：18.5kg", "年龄：5岁2月", "血型：A",
            "KAUP指数：15.29", "ROHRER指数：138.99", "体重/身高评价：正常，身体比较健康",
            "每日配餐信息:单位：能量为kcal；其余为g", "餐次名称重量能量蛋白质脂肪碳水化合物", "早餐牛奶200", "总合" }) {
        EXPECT_TRUE(has(page1, part)) << part;
    }
    EXPECT_FALSE(has(page1, "班级："));
    EXPECT_FALSE(has(page1, "男生人数"));
}

TEST_F(AnalysisReportTest, AClassPlanPrintsTheClassesAndTheirBoysAndGirls)
{
    const std::string page1 = printed(kClassPlan, {}, {}, 1, 1);
    EXPECT_EQ(m_pages, 4);
    // 大班: 王小虎 and 杨小米; 中班: the boy 杨小米, 李明 and 赵小雨.
    for (const char* part : { "班级：大班；中班", "男生人数：3", "女生人数：2", "男生年龄：", "女生年龄：" }) {
        EXPECT_TRUE(has(page1, part)) << part;
    }
    EXPECT_FALSE(has(page1, "姓名："));
    EXPECT_FALSE(has(page1, "档案编号"));
    EXPECT_FALSE(has(page1, "KAUP"));
}

TEST_F(AnalysisReportTest, TheNutrientTableGradesThePrintedFigures)
{
    const std::string pages = printed(kGirlPlan, {}, {}, 2, 3);
    // Name, standard, actual, actual / standard from the printed figures, and the grade; energy at
    // exactly 90 % and sodium at exactly 110 % are normal.
    for (const char* row : { "能量1000.00900.0090.00%正常", "碘90.0017.4019.33%不足", "铜0.400.76190.00%过量",
             "维生素B60.700.85121.43%过量", "钠900.00990.00110.00%正常", "维生素C50.0050.00100.00%正常",
             "锰2.002.21110.50%过量" }) {
        EXPECT_TRUE(has(pages, row)) << row;
    }
    // The food groups: 230 g of rice and 100 g of potato are 330 g of 谷薯类, exactly 110 %.
    for (const char* row : { "食物种类参考摄入量实际摄入量食物种类评价", "谷薯类300330.00正常", "豆类及制品5050.00正常",
             "乳类及制品100200.00过量", "油脂2510.00不足" }) {
        EXPECT_TRUE(has(pages, row)) << row;
    }
}

TEST_F(AnalysisReportTest, EachPageHoldsItsPartOfTheReport)
{
    const std::string page2
        = printed(kGirlPlan, QStringLiteral("早点的水果可以换成酸奶"), QStringLiteral("整体搭配合理"), 2, 2);
    EXPECT_TRUE(has(page2, "第2页/共4页"));
    EXPECT_TRUE(has(page2, "摄入食物种类比较"));
    EXPECT_TRUE(has(page2, "食物种类评价与建议根据系统分析"));
    EXPECT_TRUE(has(page2, "各营养素与国家标准比较"));
    EXPECT_TRUE(has(page2, "能量1000.00"));
    EXPECT_FALSE(has(page2, "锰2.00")); // the last rows go on to page 3

    const std::string path = m_dir.path() + "/analysis.pdf";
    const std::string page3 = test::joinedPdfText(path, 3, 3);
    for (const char* part : { "锰2.002.21", "营养素评价与建议被调查对象摄入的营养素中", "能量摄入情况",
             "食物种类摄入量占总摄入量比", "能量食物来源评价与建议早点的水果可以换成酸奶", "脂肪来源分布", "动物性脂肪",
             "蛋白质来源分布", "优质蛋白质所占比例" }) {
        EXPECT_TRUE(has(page3, part)) << part;
    }
    const std::string page4 = test::joinedPdfText(path, 4, 4);
    for (const char* part : { "三大营养素摄入比例与国家标准比较", "餐次实际值参考值", "碳水化合物", "55%-65%",
             "三餐营养素评价与建议营养师评价：", "营养师建议：", "营养师综合评价与建议：整体搭配合理" }) {
        EXPECT_TRUE(has(page4, part)) << part;
    }
}

TEST_F(AnalysisReportTest, PreviewAndPaperNameTwoHeadingsDifferently)
{
    struct Case
    {
        int page;
        const char* preview;
        const char* paper;
    };
    const Case cases[] = {
        { 2, "占标准比例", "占标准摄入量比例" },
        { 4, "三大营养素摄入比例和国家标准比较", "三大营养素摄入比例与国家标准比较" },
    };
    const std::string paper = printed(kGirlPlan);
    for (const Case& c : cases) {
        const std::string screen = previewed(kGirlPlan, c.page, c.page);
        EXPECT_TRUE(has(screen, c.preview)) << c.preview;
        EXPECT_FALSE(has(screen, c.paper)) << c.paper;
        EXPECT_TRUE(has(paper, c.paper)) << c.paper;
        EXPECT_FALSE(has(paper, c.preview)) << c.preview;
    }
}

TEST_F(AnalysisReportTest, ALongDayAndLongTextsRunOnInsteadOfLeavingThePage)
{
    // 24 dishes shrink the menu's rows onto page 1; 70 run on to the next page, and a long
    // evaluation runs on too: every row and the end of the text are printed, the page count grows.
    struct Case
    {
        int dishes;
        int overallRepeats;
        int pages;
    };
    const Case cases[] = { { 24, 1, 4 }, { 70, 1, 5 }, { 6, 400, 5 } };
    for (const Case& c : cases) {
        std::vector<test::DayRow> rows;
        for (int i = 0; i < c.dishes; ++i) {
            rows.push_back({ "午餐", "菜" + std::to_string(i) + "号", "米饭:10g；", "10" });
        }
        replaceDay(rows);
        QString overall;
        for (int i = 0; i < c.overallRepeats; ++i) {
            overall += QStringLiteral("多吃蔬菜水果，");
        }
        overall += QStringLiteral("完。");
        const std::string text = printed(kGirlPlan, {}, overall);
        EXPECT_EQ(m_pages, c.pages) << c.dishes;
        EXPECT_EQ(m_report.pageCount(), c.pages) << c.dishes;
        EXPECT_TRUE(has(text, "菜" + std::to_string(c.dishes - 1) + "号")) << c.dishes;
        EXPECT_TRUE(has(text, "总合"));
        EXPECT_TRUE(has(text, "完。"));
    }
}

TEST(AnalysisReportTables, GradesAndPercentagesComeFromThePrintedFigures)
{
    struct Case
    {
        const char* actual;
        const char* reference;
        const char* percent;
        const char* grade;
    };
    const Case cases[] = {
        { "0.76", "0.40", "190.00%", "过量" },
        { "900.00", "1000.00", "90.00%", "正常" },
        { "899.99", "1000.00", "90.00%", "不足" },
        { "990.00", "900.00", "110.00%", "正常" },
        { "990.01", "900.00", "110.00%", "过量" },
        { "5.00", "0.00", "", "过量" }, // no standard: no percentage
        { "0.00", "0.00", "", "正常" },
        { "1.00", "0.0000005", "", "过量" },
        { "330.00", "300", "110.00%", "正常" },
        { "269.99", "300", "90.00%", "不足" },
        { "", "25", "0.00%", "不足" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reportPercent(c.actual, c.reference), c.percent) << c.actual << " / " << c.reference;
        EXPECT_EQ(reportGrade(c.actual, c.reference), c.grade) << c.actual << " / " << c.reference;
    }
}
