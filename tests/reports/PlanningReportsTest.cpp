#include "PdfText.h"
#include "ReportPdfTest.h"
#include "core/common/NumberFormat.h"
#include "core/planning/MenuView.h"
#include "core/planning/PurchaseList.h"
#include "reports/MenuReport.h"
#include "reports/PurchaseReport.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class PlanningReportsTest : public test::ReportPdfTest
{
protected:
    PlanningReportsTest()
        : ReportPdfTest(DateTime { 2026, 3, 9, 8, 30, 0 })
    {
    }
};

} // namespace

TEST_F(PlanningReportsTest, TheWeeklyMenuPrintsTitleDaysAndCells)
{
    MenuGrid grid;
    grid.oneDay = false;
    grid.cells[0][0] = "豆浆；豆浆:200g；";
    grid.cells[2][2] = "米饭；番茄炒蛋；大米:50g；番茄:60g；鸡蛋:40g；";
    grid.cells[4][4] = "馒头；面粉:30g；";
    // A long lunch on Tuesday: the cells shrink so that the table stays on its page.
    for (int i = 0; i < 30; ++i) {
        grid.cells[1][2] += "红烧狮子头" + std::to_string(i) + "；";
    }
    const Report report = makeMenuReport(menuReportData(grid));
    EXPECT_EQ(report.pageCount(), 1);
    EXPECT_EQ(report.documentName().toStdString(), "幼儿园食谱报表");
    const std::string path = pdf(report);
    EXPECT_EQ(test::pdfPageCount(path), 1);
    const std::string text = test::pdfText(path);
    for (const char* part : { "幼儿园每周带量食谱", "报表日期:2026-03-09", "第 1 页/共 1 页", "时间", "周一", "周二",
             "周三", "周四", "周五", "早餐", "早点", "午餐", "午点", "晚餐" }) {
        EXPECT_TRUE(has(text, part)) << part;
    }
    const std::string joined = test::joinedPdfText(path);
    EXPECT_TRUE(has(joined, "米饭；番茄炒蛋；大米:50g；番茄:60g；鸡蛋:40g；"));
    EXPECT_TRUE(has(joined, "馒头；面粉:30g；"));
    EXPECT_TRUE(has(joined, "红烧狮子头29；")); // the last dish of the long cell is still on the page
}

TEST_F(PlanningReportsTest, TheDailyMenuHasItsOwnTitleAndOneColumn)
{
    MenuGrid grid;
    grid.oneDay = true;
    grid.cells[0][1] = "苹果；苹果:100g；";
    grid.cells[1][1] = "不该出现；"; // only the first day belongs to a one-day plan
    const std::string path = pdf(makeMenuReport(menuReportData(grid)));
    const std::string text = test::pdfText(path);
    EXPECT_TRUE(has(text, "幼儿园每天带量食谱"));
    EXPECT_FALSE(has(text, "周一"));
    EXPECT_FALSE(has(text, "不该出现"));
    EXPECT_TRUE(has(test::joinedPdfText(path), "苹果；苹果:100g；"));
}

TEST_F(PlanningReportsTest, APurchaseListOfSixtyFoodsPrintsEveryFood)
{
    std::vector<PurchaseItem> items;
    for (int i = 0; i < 60; ++i) {
        items.push_back({ "食材" + std::to_string(i), 0.5f + static_cast<float>(i) });
    }
    const Report report = makePurchaseReport(items, QStringLiteral("2026-03-02"), QStringLiteral("2026-03-06"));
    // Two foods per line: 30 lines, 27 on the first page and 3 on the second.
    EXPECT_EQ(report.info().itemCount, 30);
    EXPECT_EQ(report.pageCount(), 2);
    EXPECT_EQ(report.documentName().toStdString(), "采购清单");
    const std::string path = pdf(report);
    ASSERT_EQ(test::pdfPageCount(path), 2);

    const std::string first = test::pdfText(path, 1, 1);
    const std::string second = test::pdfText(path, 2, 2);
    for (const char* part : { "采购清单", "时间范围：2026-03-02 到 2026-03-06", "报表日期:2026-03-09", "原料名称",
             "原料重量(kg)", "第 1 页/共 2 页" }) {
        EXPECT_TRUE(has(first, part)) << part;
    }
    EXPECT_TRUE(has(second, "第 2 页/共 2 页"));
    EXPECT_FALSE(has(second, "采购清单"));
    for (int i = 0; i < 60; ++i) {
        // Lines 0 … 26 (foods 0 … 53) on the first page, the rest on the second, each with its weight.
        const std::string food = "食材" + std::to_string(i) + " ";
        const std::string& page = i < 54 ? first : second;
        EXPECT_TRUE(has(page, food)) << food;
        EXPECT_TRUE(has(page, formatFixed(0.5 + i, 3))) << i;
        EXPECT_FALSE(has(i < 54 ? second : first, food)) << food;
    }
}
