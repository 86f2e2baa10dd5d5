#include "../GuiTestSupport.h"
#include "PdfText.h"
#include "core/analysis/PlanDayAnalysis.h"
#include "core/knowledge/NutrientKnowledge.h"
#include "gui/analysis/CAnalysisPrintPage.h"
#include "gui/analysis/CYypcFxDlg.h"
#include "gui/analysis/CYypcNllyDlg.h"
#include "gui/analysis/CYypcSdyysDlg.h"
#include "gui/analysis/CYypcShjgpjDlg.h"
#include "gui/analysis/CYypcYyspjDlg.h"
#include "gui/analysis/CYypcYyybzbdDlg.h"
#include "gui/analysis/CYypcZpjDlg.h"
#include "gui/analysis/CYypcgyshl.h"
#include "gui/charts/CImageView.h"
#include "gui/knowledge/CSymptomPage.h"
#include "gui/navigation/Navigator.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "reports/ReportOutput.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

class AnalysisPagesTest : public test::GuiTest
{
protected:
    AnalysisPagesTest()
        : test::GuiTest(DataFolderContent::Demo)
    {
    }

    CYypcFxDlg m_page;
};

// The demo plans: 0 a child's one-day plan, 4 the 中班's week.
TEST_F(AnalysisPagesTest, EveryTabShowsTheFiguresOfTheAnalysedDay)
{
    const struct
    {
        int plan;
        const char* day;
    } days[] = { { 0, "一天" }, { 4, "周二" } };
    for (const auto& d : days) {
        m_page.tabs()->setCurrentIndex(CYypcFxDlg::MacronutrientTab);
        m_page.AnalysePlanDay(d.plan, QString::fromUtf8(d.day));
        EXPECT_EQ(m_page.tabs()->currentIndex(), CYypcFxDlg::ContentTab);
        const PlanDayAnalysis expected = AnalysePlanDay(d.plan, d.day);
        ASSERT_TRUE(expected.plan.found);

        const CListCtrlCl* content = m_page.contentPage()->list();
        ASSERT_EQ(static_cast<std::size_t>(content->rowCount()), expected.content.rows.size());
        const int last = content->rowCount() - 1;
        for (int row = 0; row <= last; ++row) {
            for (int column = 0; column < kContentColumnCount; ++column) {
                EXPECT_EQ(content->itemText(row, column),
                    q(expected.content.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)]));
            }
        }
        EXPECT_EQ(content->itemText(last, 0), QStringLiteral("总合"));
        EXPECT_EQ(content->textColorAt(last, 3, false), QColor(0, 0, 255));
        EXPECT_EQ(content->textColorAt(0, 3, false), QColor(0, 0, 0));

        const CYypcYyybzbdDlg* comparison = m_page.comparisonPage();
        for (int slot = 0; slot < kComparisonSlotCount; ++slot) {
            const ComparisonCell& cell = expected.comparison.cells[static_cast<std::size_t>(slot)];
            const int row = slot / 4;
            const int column = 2 * (slot % 4);
            EXPECT_EQ(comparison->referenceList()->itemText(row, column), q(cell.name));
            EXPECT_EQ(comparison->referenceList()->itemText(row, column + 1), q(cell.referenceText));
            EXPECT_EQ(comparison->actualList()->itemText(row, column + 1), q(cell.actualText));
            const QColor colour = cell.colour == CellColour::Blue ? QColor(0, 0, 255)
                : cell.colour == CellColour::Red                  ? QColor(255, 0, 0)
                                                                  : QColor(0, 0, 0);
            EXPECT_EQ(comparison->actualList()->textColorAt(row, column + 1, false), colour) << cell.name;
        }

        const CListCtrlCl* diet = m_page.dietStructurePage()->list();
        for (int g = 0; g < kFoodGroupCount; ++g) {
            EXPECT_EQ(
                diet->itemText(1, g + 1), q(expected.dietStructure.groups[static_cast<std::size_t>(g)].actualText));
        }
        EXPECT_EQ(m_page.dietStructurePage()->evaluation()->toPlainText(), q(expected.dietStructure.text));

        const CYypcYyspjDlg* nutrients = m_page.nutrientPage();
        for (int n = 0; n < kEvaluatedNutrientCount; ++n) {
            const EvaluatedNutrient& nutrient = expected.nutrients.nutrients[static_cast<std::size_t>(n)];
            EXPECT_EQ(nutrients->list()->itemText(2, n + 1), q(nutrient.percentText));
            if (n > 0) {
                EXPECT_EQ(nutrients->symptomTabs()->tabText(n - 1), q(nutrient.tabCaption));
            }
        }
        EXPECT_EQ(nutrients->evaluation()->toPlainText(), q(expected.nutrients.text));

        const CYypcNllyDlg* energy = m_page.energySourcesPage();
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(energy->mealList()->itemText(i, 1),
                q(expected.energySources.meals[static_cast<std::size_t>(i)].shareText));
            EXPECT_EQ(energy->sourceList()->itemText(i, 1),
                q(expected.energySources.sources[static_cast<std::size_t>(i)].gramsText));
            EXPECT_EQ(energy->sourceList()->itemText(i, 2),
                q(expected.energySources.sources[static_cast<std::size_t>(i)].shareText));
            EXPECT_EQ(m_page.macronutrientPage()->proteinList()->itemText(i, 1),
                q(expected.macronutrients.proteinSources[static_cast<std::size_t>(i)].shareText));
        }
        EXPECT_EQ(m_page.macronutrientPage()->ratioList()->itemText(0, 1),
            q(expected.macronutrients.macronutrients[0].shareText));
        EXPECT_EQ(
            m_page.macronutrientPage()->fatList()->itemText(1, 1), q(expected.macronutrients.fatSources[1].shareText));
        EXPECT_EQ(m_page.macronutrientPage()->evaluation()->toPlainText(), q(expected.macronutrients.text));
    }
}

TEST_F(AnalysisPagesTest, TheReportPrintsWhatTheNutritionistTypedUntilTheNextAnalysis)
{
    test::TempDirectory dir;
    const std::string path = dir.path() + "/report.pdf";
    const auto printed = [&] {
        EXPECT_EQ(writeReportPdf(m_page.analysisReport(), QString::fromStdString(path)), QString());
        return test::joinedPdfText(path);
    };
    m_page.AnalysePlanDay(0, QStringLiteral("一天"));
    m_page.energySourcesPage()->evaluation()->appendPlainText(QStringLiteral("早点太多"));
    m_page.overallPage()->editor()->setPlainText(QStringLiteral("总的来说不错"));
    std::string text = printed();
    EXPECT_NE(text.find("能量食物来源评价与建议该评价与建议由营养师添加：早点太多"), std::string::npos);
    EXPECT_NE(text.find("营养师综合评价与建议：总的来说不错"), std::string::npos);
    EXPECT_EQ(test::pdfPageCount(path), 4);

    m_page.AnalysePlanDay(1, QStringLiteral("一天"));
    EXPECT_EQ(m_page.overallEvaluation(), QString());
    EXPECT_EQ(m_page.energySourcesEvaluation(), QStringLiteral("    该评价与建议由营养师添加："));
    EXPECT_FALSE(m_page.analysis().subject.personal);
    EXPECT_EQ(m_page.analysis().subject.sex, ""); // nothing of the child analysed before
    text = printed();
    EXPECT_EQ(text.find("早点太多"), std::string::npos);
    EXPECT_EQ(text.find("总的来说不错"), std::string::npos);
}

TEST_F(AnalysisPagesTest, ThePrintTabOpensTheFourPagesInThePreview)
{
    m_page.AnalysePlanDay(0, QStringLiteral("一天"));
    for (const auto& open : { std::function<void()>([&] { m_page.tabs()->setCurrentIndex(CYypcFxDlg::PrintTab); }),
             std::function<void()>([&] { m_page.printPage()->previewButton()->click(); }) }) {
        int pages = 0;
        QString title;
        test::whenModal<CPreParentDlg>([&](CPreParentDlg* preview) {
            pages = preview->pageCount();
            title = preview->windowTitle();
            preview->reject();
        });
        open();
        EXPECT_EQ(pages, 4);
        EXPECT_EQ(title, QStringLiteral("打印预览"));
    }
    // Nothing analysed: nothing to preview.
    CYypcFxDlg fresh;
    EXPECT_TRUE(fresh.analysisReport().isEmpty());
}

TEST_F(AnalysisPagesTest, ChartsShowTheDaysFiguresAsWholeNumbers)
{
    m_page.AnalysePlanDay(0, QStringLiteral("一天"));
    const PlanDayAnalysis& a = m_page.analysis();
    const auto values = [](const CImageView* view, int group) {
        std::vector<int> list;
        for (const auto& series : view->graph()->series()) {
            list.push_back(series.valueOf(group));
        }
        return list;
    };
    std::vector<int> groups;
    for (const FoodGroup& group : a.dietStructure.groups) {
        groups.push_back(static_cast<int>(group.actual));
    }
    EXPECT_EQ(values(m_page.dietStructurePage()->chart(), 0), groups);
    EXPECT_EQ(
        values(m_page.dietStructurePage()->chart(), 1), (std::vector<int> { 300, 400, 100, 50, 25, 50, 50, 100, 25 }));
    std::vector<int> meals;
    std::vector<int> sources;
    for (int i = 0; i < 5; ++i) {
        meals.push_back(a.energySources.meals[static_cast<std::size_t>(i)].share);
        sources.push_back(a.energySources.sources[static_cast<std::size_t>(i)].share);
    }
    EXPECT_EQ(values(m_page.energySourcesPage()->mealChart(), 0), meals);
    EXPECT_EQ(values(m_page.energySourcesPage()->mealChart(), 1), (std::vector<int> { 20, 10, 30, 10, 30 }));
    std::vector<int> pie;
    for (const auto& set : m_page.energySourcesPage()->sourceChart()->graph()->series().front().data) {
        pie.push_back(set.value);
    }
    EXPECT_EQ(pie, sources);
    std::vector<int> ratios;
    for (const Macronutrient& macro : a.macronutrients.macronutrients) {
        ratios.push_back(static_cast<int>(macro.share));
    }
    EXPECT_EQ(values(m_page.macronutrientPage()->chart(), 0), ratios);
    EXPECT_EQ(values(m_page.macronutrientPage()->chart(), 1), (std::vector<int> { 65, 30, 20 }));
}

TEST_F(AnalysisPagesTest, SymptomTabsShowExcessOrDeficiencyByThePercentage)
{
    m_page.AnalysePlanDay(0, QStringLiteral("一天"));
    const CYypcYyspjDlg* nutrients = m_page.nutrientPage();
    for (int tab = 0; tab < nutrients->symptomTabs()->count(); ++tab) {
        nutrients->symptomTabs()->setCurrentIndex(tab);
        const EvaluatedNutrient& nutrient = m_page.analysis().nutrients.nutrients[static_cast<std::size_t>(tab + 1)];
        const auto description = describeNutrient(nutrient.name);
        ASSERT_TRUE(description) << nutrient.name;
        EXPECT_EQ(
            nutrients->symptomPage(tab)->text(), q(nutrient.excess ? description->excess : description->deficiency))
            << nutrient.name;
    }
}

} // namespace

namespace {

// The menu view opens the analysis through the navigator; the back button returns to it.
TEST_F(AnalysisPagesTest, TheNavigatorOpensTheAnalysedDayAndBackLeadsToTheMenu)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    window.show();
    EXPECT_TRUE(navigator().openAnalysis(3, QStringLiteral("周三")));
    EXPECT_EQ(window.currentPage(), PageId::Analysis);
    auto* page = navigator().pageAs<CYypcFxDlg>(PageId::Analysis);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->analysis().plan.dayKey, "周三");
    const PlanDayAnalysis expected = AnalysePlanDay(3, "周三");
    EXPECT_EQ(page->contentPage()->list()->rowCount(), static_cast<int>(expected.content.rows.size()));
    EXPECT_EQ(page->contentPage()->list()->itemText(0, 1), q(expected.content.rows.front().name));

    // Without a day the plan's first day is analysed.
    EXPECT_TRUE(navigator().openAnalysis(3));
    EXPECT_EQ(page->analysis().plan.dayKey, "周一");

    // A plan that is gone: a message, and the page does not change.
    navigator().showPage(PageId::PlanList);
    EXPECT_FALSE(navigator().openAnalysis(99, QStringLiteral("一天")));
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("找不到这份配餐，它可能已被删除。"));
    EXPECT_EQ(window.currentPage(), PageId::PlanList);

    navigator().showPage(PageId::Analysis);
    QTest::mouseClick(page->findChild<CPictureButton*>(QStringLiteral("backToMenuButton")), Qt::LeftButton);
    EXPECT_EQ(window.currentPage(), PageId::MenuView);
}

} // namespace
