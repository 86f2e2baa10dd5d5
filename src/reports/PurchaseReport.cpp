#include "reports/PurchaseReport.h"

#include "core/planning/PurchaseList.h"
#include "reports/ListReportPage.h"
#include "reports/ReportCanvas.h"

#include <QPainter>

namespace pelinor {

namespace {

constexpr double kNameColumnMm = 51.0;
constexpr double kWeightColumnMm = 30.0;

std::vector<ReportColumn> purchaseColumns()
{
    const QString name = QStringLiteral("原料名称");
    const QString weight = QStringLiteral("原料重量(kg)");
    const int nameAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const int weightAlignment = Qt::AlignRight | Qt::AlignVCenter;
    return { { name, kNameColumnMm, nameAlignment }, { weight, kWeightColumnMm, weightAlignment },
        { name, kNameColumnMm, nameAlignment }, { weight, kWeightColumnMm, weightAlignment } };
}

} // namespace

Report makePurchaseReport(const std::vector<PurchaseItem>& items, const QString& from, const QString& to)
{
    ReportPageInfo info;
    for (const auto& line : purchaseListLines(items)) {
        QStringList row;
        for (const auto& text : line) {
            row << QString::fromStdString(text);
        }
        info.rows.push_back(row);
    }
    info.itemCount = static_cast<int>(info.rows.size());
    const PurchaseReportData data { from, to, todayReportDate() };
    return Report(QStringLiteral("采购清单"), std::move(info),
        [data](QPainter& painter, const ReportPageInfo& page) { DrawPurchaseReport(painter, page, data); });
}

void DrawPurchaseReport(QPainter& painter, const ReportPageInfo& info, const PurchaseReportData& data)
{
    drawListReportPage(painter, info,
        { QStringLiteral("采购清单"), QStringLiteral("时间范围：%1 到 %2").arg(data.from, data.to), data.reportDate,
            purchaseColumns() });
}

} // namespace pelinor
