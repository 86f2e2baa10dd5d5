#include "gui/analysis/AnalysisTour.h"

#include "gui/analysis/CYypcFxDlg.h"
#include "gui/analysis/CYypcZpjDlg.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/TourContext.h"

#include <QPlainTextEdit>
#include <QTabWidget>

namespace pelinor {

namespace {

CYypcFxDlg* analysisPage()
{
    return navigator().pageAs<CYypcFxDlg>(PageId::Analysis);
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
                page->overallPage()->editor()->setPlainText(
                    QStringLiteral("膳食搭配总体合理，蔬菜和豆制品略少，建议午餐增加一份绿叶蔬菜。"));
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

} // namespace pelinor
