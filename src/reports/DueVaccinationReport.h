#pragma once

#include "core/health/DueVaccinations.h"
#include "reports/Report.h"

#include <QString>
#include <vector>

namespace pelinor {

// What the printed list of due vaccinations shows besides its rows.
struct DueVaccinationReportData
{
    QString className;
    QString day; // the day the list was worked out for, "%Y-%m-%d"
    QString reportDate;
};

// "待接种": one row per due vaccine of a child (archive number, name, sex, birth date, vaccine,
// last day of the window), paged like every list report. Without rows the list is one page with
// the heading only. Dated today.
Report makeDueVaccinationReport(const std::vector<DueVaccination>& due, const QString& className, const QString& day);

void DrawDueVaccinationReport(QPainter& painter, const ReportPageInfo& info, const DueVaccinationReportData& data);

} // namespace pelinor
