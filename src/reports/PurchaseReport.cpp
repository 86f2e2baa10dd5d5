#include "reports/PurchaseReport.h"

#include "core/planning/PurchaseList.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportPaging.h"
#include "reports/ReportTable.h"

#include <QPainter>

namespace pelinor {

namespace {

constexpr double kNameColumnMm = 51.0;
constexpr double kWeightColumnMm = 30.0;
constexpr double kRowHeightMm = 7.0;
constexpr double kHeadingHeightMm = 8.0;
constexpr double kFirstTableTopMm = 38.0;
constexpr double kFurtherTableTopMm = 16.0;

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
    ReportCanvas canvas(painter);
    if (!canvas.isReady()) {
        return;
    }
    const double margin = ReportCanvas::kMarginMm;
    const double width = ReportCanvas::kPageWidthMm - 2 * margin;
    canvas.drawPageFrame();
    canvas.drawReportDate(data.reportDate);
    double top = kFurtherTableTopMm;
    if (info.currentPage == 1) {
        canvas.drawText(
            QRectF(margin, 12, width, 13), QStringLiteral("采购清单"), canvas.font(24, true), Qt::AlignCenter);
        canvas.drawText(QRectF(margin, 27, width, 8), QStringLiteral("时间范围：%1 到 %2").arg(data.from, data.to),
            canvas.font(14), Qt::AlignCenter);
        top = kFirstTableTopMm;
    }
    ReportTable table(canvas, margin, purchaseColumns());
    top = table.drawHeading(top, kHeadingHeightMm, canvas.font(12, true));
    const QFont cellFont = canvas.font(12);
    const auto rowCount = static_cast<int>(info.rows.size());
    const int first = firstRowOfPage(info.currentPage);
    for (int row = first; row < rowCount && row < first + rowsOnPage(info.currentPage); ++row) {
        top = table.drawRow(top, kRowHeightMm, info.rows[static_cast<std::size_t>(row)], cellFont);
    }
    canvas.drawPageFooter(info.currentPage, info.pageCount);
}

} // namespace pelinor
