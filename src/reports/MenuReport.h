#pragma once

#include "core/common/MealSlot.h"
#include "reports/Report.h"

#include <QString>
#include <array>

namespace pelinor {

struct MenuGrid;

// What the printed menu ("带量食谱") shows: one text per day and meal time.
struct MenuReportData
{
    bool oneDay = false;
    std::array<std::array<QString, kMealSlotCount>, 5> cells {}; // [day][meal time]
    QString reportDate; // "%Y-%m-%d"
};

// The grid of a plan, dated today.
MenuReportData menuReportData(const MenuGrid& grid);

// "幼儿园每周带量食谱" or "幼儿园每天带量食谱".
QString menuReportTitle(bool oneDay);

// The one-page menu report, named "幼儿园食谱报表" for the print job.
Report makeMenuReport(const MenuReportData& data);

// Paints the menu: title, report date, a ruled table with the meal times as rows and the days (or
// the one day) as columns, each cell's text wrapped inside it, and the page footer. The cells' font
// starts at 14 points and shrinks, for the whole table, until the table fits the page.
void DrawMenuReport(QPainter& painter, const ReportPageInfo& info, const MenuReportData& data);

} // namespace pelinor
