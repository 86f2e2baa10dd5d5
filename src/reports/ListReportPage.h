#pragma once

#include "reports/ReportPageInfo.h"
#include "reports/ReportTable.h"

#include <QString>
#include <vector>

class QPainter;

namespace pelinor {

// What a list report prints around its rows.
struct ListReportPage
{
    QString title; // 24 points, bold, on the first page
    QString subtitle; // 14 points under the title: the period, the class …
    QString reportDate;
    std::vector<ReportColumn> columns;
    double headingPoints = 12; // the column titles, bold
};

// Paints one page of a list report: the page frame, the report date, on the first page the title
// and the subtitle, the table heading, the page's rows of `info.rows` (27 on the first page, 30 on
// each further one, 12 points) and the page footer.
void drawListReportPage(QPainter& painter, const ReportPageInfo& info, const ListReportPage& page);

} // namespace pelinor
