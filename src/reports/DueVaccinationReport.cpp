#include "reports/DueVaccinationReport.h"

#include "reports/ReportCanvas.h"
#include "reports/ReportPaging.h"
#include "reports/ReportTable.h"

#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

constexpr double kRowHeightMm = 7.0;
constexpr double kHeadingHeightMm = 8.0;
constexpr double kFirstTableTopMm = 38.0;
constexpr double kFurtherTableTopMm = 16.0;

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
            QRectF(margin, 12, width, 13), QStringLiteral("待接种"), canvas.font(24, true), Qt::AlignCenter);
        canvas.drawFittedText(QRectF(margin, 27, width, 8),
            QStringLiteral("班级：%1    日期：%2").arg(data.className, data.day), canvas.font(14), Qt::AlignCenter);
        top = kFirstTableTopMm;
    }
    ReportTable table(canvas, margin, dueColumns());
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
