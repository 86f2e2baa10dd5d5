#pragma once

#include "reports/Report.h"

#include <QString>
#include <vector>

namespace pelinor {

struct PurchaseItem;

// What the printed purchase list shows besides its lines.
struct PurchaseReportData
{
    QString from; // "%Y-%m-%d"
    QString to;
    QString reportDate;
};

// The purchase list ("采购清单") as a report: one printed row per list line, each with the two
// foods of that line in four columns, paged 27 rows on the first page and 30 on the others.
// Dated today.
Report makePurchaseReport(const std::vector<PurchaseItem>& items, const QString& from, const QString& to);

// Paints one page: report date, on the first page the title and the date range, the table heading,
// the page's rows (from `info.rows`) and the page footer.
void DrawPurchaseReport(QPainter& painter, const ReportPageInfo& info, const PurchaseReportData& data);

} // namespace pelinor
