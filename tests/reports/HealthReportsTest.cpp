#include "PdfText.h"
#include "ReportPdfTest.h"
#include "core/health/Examination.h"
#include "reports/AttendanceReport.h"
#include "reports/DueVaccinationReport.h"
#include "reports/HealthExaminationReport.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class HealthReportsTest : public test::ReportPdfTest
{
protected:
    HealthReportsTest()
        : ReportPdfTest(DateTime { 2026, 12, 7, 9, 0, 0 })
    {
    }
    // "幼儿01" … "幼儿60": no name is a part of another.
    static std::string childName(int number)
    {
        return std::string("幼儿") + (number < 10 ? "0" : "") + std::to_string(number);
    }
};

Examination fullExamination()
{
    Examination e;
    e.id = 7;
    e.name = "王小丫";
    e.className = "大班";
    e.gender = "女";
    e.archId = "26000001";
    e.height = 110.0f;
    e.weight = 19.0f;
    e.bmi = 15.702f;
    // Every finding a text of its own, so a value under another label shows.
    const char* findings[kExaminationTextFieldCount] = { "1100", "90/60", "96", "心律齐", "呼吸音清", "肝未触及",
        "胆正常", "龋齿两颗", "牙周正常", "5.0", "4.9", "无沙眼", "无结膜炎", "色觉正常", "左耳正常", "右耳正常",
        "外耳道通畅", "鼻通畅", "咽无充血", "喉正常", "Ⅰ度肿大", "头颅正常", "颈软", "脊柱正直", "胸廓对称",
        "四肢活动自如", "皮肤无皮疹", "淋巴结未触及", "忌食鸡蛋", "良好" };
    for (std::size_t i = 0; i < kExaminationTextFields.size(); ++i) {
        e.*kExaminationTextFields[i].member = findings[i];
    }
    e.date = "2026-11-16";
    e.doctor = "刘静";
    return e;
}

TEST_F(HealthReportsTest, TheExaminationReportPrintsEveryValueBehindItsLabelOnOnePage)
{
    const Report report = makeHealthExaminationReport(fullExamination());
    EXPECT_EQ(report.documentName().toStdString(), "健康体检报告");
    EXPECT_EQ(report.pageCount(), 1);
    const std::string path = pdf(report);
    EXPECT_EQ(test::pdfPageCount(path), 1);
    const std::string text = test::pdfText(path);
    for (const char* part : { "健康体检报告", "报表日期:2026-12-07", "第 1 页/共 1 页", "基本信息：", "体形机能：",
             "内科：", "口腔：", "眼科：", "耳鼻咽喉科：", "外科：" }) {
        EXPECT_TRUE(has(text, part)) << part;
    }
    // Each label is followed by its own value.
    const std::string joined = test::joinedPdfText(path);
    for (const char* pair :
        { "姓名：王小丫", "班级：大班", "性别：女", "学号：26000001", "身高：110.0", "体重：19.0", "体质指数：15.702",
            "肺活量：1100", "血压：90/60", "脉搏：96", "心：心律齐", "肺：呼吸音清", "肝：肝未触及", "胆：胆正常",
            "龋齿：龋齿两颗", "牙周：牙周正常", "左视力：5.0", "右视力：4.9", "沙眼：无沙眼", "结膜炎：无结膜炎",
            "视觉：色觉正常", "左听力：左耳正常", "右听力：右耳正常", "耳：外耳道通畅", "鼻：鼻通畅", "咽：咽无充血",
            "喉：喉正常", "扁桃体：Ⅰ度肿大", "头部：头颅正常", "颈部：颈软", "脊柱：脊柱正直", "胸部：胸廓对称",
            "四肢：四肢活动自如", "皮肤：皮肤无皮疹", "淋巴结：淋巴结未触及", "饮食限制：忌食鸡蛋", "健康状况：良好",
            "体检日期：2026-11-16", "主检医生：刘静" }) {
        EXPECT_TRUE(has(joined, pair)) << pair;
    }
    // The groups come in their order.
    EXPECT_LT(joined.find("基本信息："), joined.find("体形机能："));
    EXPECT_LT(joined.find("内科："), joined.find("口腔："));
    EXPECT_LT(joined.find("眼科："), joined.find("耳鼻咽喉科："));
    EXPECT_LT(joined.find("外科："), joined.find("饮食限制："));
}

TEST_F(HealthReportsTest, LongFindingsWrapAndStayOnTheOnePage)
{
    Examination e = fullExamination();
    std::string state;
    for (int i = 1; i <= 40; ++i) {
        state += "第" + std::to_string(i) + "项说明，";
    }
    state += "完。";
    e.healthState = state;
    e.ear = "外耳道通畅，鼓膜完整，无分泌物，听力粗测正常";
    const std::string path = pdf(makeHealthExaminationReport(e));
    EXPECT_EQ(test::pdfPageCount(path), 1);
    const std::string joined = test::joinedPdfText(path);
    EXPECT_TRUE(has(joined, "健康状况：第1项说明，")) << joined;
    EXPECT_TRUE(has(joined, "第40项说明，完。"));
    EXPECT_TRUE(has(joined, "外耳道通畅，鼓膜完整，无分泌物，听力粗测正常"));
    EXPECT_TRUE(has(joined, "主检医生：刘静")); // the form still ends above the footer
}

TEST_F(HealthReportsTest, TheAttendanceSheetPrintsEveryRowOverAsManyPagesAsItNeeds)
{
    struct Case
    {
        int children;
        int pages; // 27 rows on the first page, 30 on each further one
        std::vector<std::pair<int, int>> rowsOnPages; // first and last child of each page
    };
    const Case cases[] = {
        { 0, 1, { { 0, 0 } } },
        { 27, 1, { { 1, 27 } } },
        { 28, 2, { { 1, 27 }, { 28, 28 } } },
        { 60, 3, { { 1, 27 }, { 28, 57 }, { 58, 60 } } },
    };
    for (const auto& c : cases) {
        std::vector<AttendanceCount> counts;
        for (int i = 1; i <= c.children; ++i) {
            counts.push_back({ "2600" + std::to_string(1000 + i), childName(i), { i % 3, 0, 2, 0, i % 5 } });
        }
        const Report report
            = makeAttendanceReport(counts, QStringLiteral("大班"), DateRange { "2026-11-01", "2026-11-30" });
        EXPECT_EQ(report.documentName().toStdString(), "考勤统计");
        EXPECT_EQ(report.pageCount(), c.pages) << c.children;
        const std::string path = pdf(report);
        ASSERT_EQ(test::pdfPageCount(path), c.pages) << c.children;
        for (int page = 1; page <= c.pages; ++page) {
            const std::string text = test::pdfText(path, page, page);
            const auto [first, last] = c.rowsOnPages[static_cast<std::size_t>(page - 1)];
            EXPECT_EQ(has(text, "考勤统计"), page == 1) << c.children << " " << page;
            EXPECT_EQ(has(text, "时间：2026-11-01 到 2026-11-30"), page == 1);
            EXPECT_TRUE(has(text, "姓名 迟到 早退 病假 事假 其他")) << text;
            EXPECT_TRUE(has(text, "第 " + std::to_string(page) + " 页/共 " + std::to_string(c.pages) + " 页"));
            for (int i = 1; i <= c.children; ++i) {
                EXPECT_EQ(has(text, childName(i)), i >= first && i <= last) << c.children << " " << page << " " << i;
            }
        }
    }
}

TEST_F(HealthReportsTest, TheAttendanceSheetStatesItsClassAndPeriodAndCountsInKindOrder)
{
    const std::vector<AttendanceCount> counts {
        { "26001001", "张三", { 1, 0, 2, 0, 3 } },
        { "26001002", "李四", { 0, 4, 0, 5, 0 } },
    };
    const std::string all = test::pdfText(pdf(makeAttendanceReport(counts, QStringLiteral("小一班"), std::nullopt)));
    EXPECT_TRUE(has(all, "班级：小一班")) << all;
    EXPECT_TRUE(has(all, "时间：全部"));
    EXPECT_FALSE(has(all, " 到 "));
    // Name, then 迟到 早退 病假 事假 其他; the archive number is not on the sheet.
    EXPECT_TRUE(has(all, "张三 1 0 2 0 3"));
    EXPECT_TRUE(has(all, "李四 0 4 0 5 0"));
    EXPECT_FALSE(has(all, "26001001"));
}

TEST_F(HealthReportsTest, TheDueListPrintsItsClassDayAndRows)
{
    std::vector<DueVaccination> due;
    for (int i = 1; i <= 30; ++i) {
        due.push_back({ "2600" + std::to_string(1000 + i), childName(i), i % 2 ? "男" : "女", "2023-05-31",
            "麻腮风疫苗", "2024-05-31", "2025-06-30" });
    }
    const Report report = makeDueVaccinationReport(due, QStringLiteral("中班"), QStringLiteral("2026-12-07"));
    EXPECT_EQ(report.pageCount(), 2);
    const std::string path = pdf(report);
    const std::string first = test::pdfText(path, 1, 1);
    EXPECT_TRUE(has(first, "待接种"));
    EXPECT_TRUE(has(first, "班级：中班"));
    EXPECT_TRUE(has(first, "日期：2026-12-07"));
    EXPECT_TRUE(has(first, "档案号 姓名 性别 出生日期 疫苗 接种截止日期"));
    EXPECT_TRUE(has(first, "26001001 幼儿01 男 2023-05-31 麻腮风疫苗 2025-06-30")) << first;
    EXPECT_FALSE(has(first, "幼儿28"));
    EXPECT_TRUE(has(test::pdfText(path, 2, 2), "26001030 幼儿30 女"));
}

} // namespace
