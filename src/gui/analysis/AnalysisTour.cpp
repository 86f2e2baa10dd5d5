#include "gui/analysis/AnalysisTour.h"

#include "gui/analysis/CYypcFxDlg.h"
#include "gui/analysis/CYypcNllyDlg.h"
#include "gui/analysis/CYypcZpjDlg.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"
#include "gui/print/CPreParentDlg.h"

#include <QPlainTextEdit>
#include <QTabWidget>

namespace pelinor {

namespace {

CYypcFxDlg* analysisPage()
{
    return navigator().pageAs<CYypcFxDlg>(PageId::Analysis);
}

const QString kOverallSample = QStringLiteral("膳食搭配总体合理，蔬菜和豆制品略少，建议午餐增加一份绿叶蔬菜。");

void savePreviewPage(TourContext& tour, const Report& report, int page, const QString& name)
{
    CPreParentDlg preview(report, &tour.mainWindow());
    preview.resize(900, 1180);
    for (int i = 1; i < page; ++i) {
        preview.nextPage();
    }
    tour.save(&preview, name);
}

} // namespace

std::function<void(TourContext&)> tourAnalysisTab(int tab, const char* name)
{
    return [tab, name](TourContext& tour) {
        if (auto* page = analysisPage()) {
            if (page->analysis().plan.id != 0 || !page->analysis().plan.found) {
                page->AnalysePlanDay(0, QString());
            }
            if (tab == CYypcFxDlg::OverallTab) {
                page->overallPage()->editor()->setPlainText(kOverallSample);
            }
            page->tabs()->setCurrentIndex(tab);
        }
        tour.savePage(PageId::Analysis, QString::fromUtf8(name));
    };
}

void tourClassAnalysis(TourContext& tour)
{
    if (auto* page = analysisPage()) {
        page->AnalysePlanDay(1, QString());
        page->tabs()->setCurrentIndex(CYypcFxDlg::NutrientTab);
    }
    tour.savePage(PageId::Analysis, QStringLiteral("page-10-analysis-class"));
}

std::function<void(TourContext&)> tourAnalysisReport(int plan, int page, const char* name)
{
    return [plan, page, name](TourContext& tour) {
        auto* analysis = analysisPage();
        if (!analysis) {
            return;
        }
        analysis->AnalysePlanDay(plan, QString());
        if (plan == 0) {
            analysis->energySourcesPage()->evaluation()->appendPlainText(
                QStringLiteral("谷薯类和动物性食物提供了大部分能量，纯热能食物偏少，搭配合理。"));
            analysis->overallPage()->editor()->setPlainText(kOverallSample);
        }
        savePreviewPage(tour, analysis->analysisReport(), page, QString::fromUtf8(name));
    };
}

} // namespace pelinor
