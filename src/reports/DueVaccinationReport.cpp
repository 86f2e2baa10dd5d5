#include "reports/DueVaccinationReport.h"

#include "reports/ListReportPage.h"
#include "reports/ReportCanvas.h"

#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

std::vector<ReportColumn> dueColumns()
{
    const int centred = Qt::AlignCenter;
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    return { { QStringLiteral("档案号"), 24, centred }, { QStringLiteral("姓名"), 22, centred },
        { QStringLiteral("性别"), 12, centred }, { QStringLiteral("出生日期"), 26, centred },
        { QStringLiteral("疫苗"), 50, left }, { QStringLiteral("接种截止日期"), 28, centred } };
}

} // namespace

Report makeDueVaccinationReport(const std::vector<DueVaccination>& due, const QString& className, const QString& day)
{
    ReportPageInfo info;
    for (const auto& d : due) {
        info.rows.push_back({ utf8Text(d.archId), utf8Text(d.name), utf8Text(d.gender), utf8Text(d.birth),
            utf8Text(d.vaccine), utf8Text(d.windowEnd) });
    }
    info.itemCount = std::max(1, static_cast<int>(info.rows.size()));
    const DueVaccinationReportData data { className, day, todayReportDate() };
    return Report(QStringLiteral("待接种"), std::move(info),
        [data](QPainter& painter, const ReportPageInfo& page) { DrawDueVaccinationReport(painter, page, data); });
}

void DrawDueVaccinationReport(QPainter& painter, const ReportPageInfo& info, const DueVaccinationReportData& data)
{
    drawListReportPage(painter, info,
        { QStringLiteral("待接种"), QStringLiteral("班级：%1    日期：%2").arg(data.className, data.day),
            data.reportDate, dueColumns() });
}

} // namespace pelinor
