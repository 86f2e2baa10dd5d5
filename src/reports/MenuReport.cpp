#include "reports/MenuReport.h"

#include "core/planning/MenuView.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportTable.h"

#include <QPainter>
#include <numeric>

namespace pelinor {

namespace {

constexpr double kTitleTopMm = 13.0;
constexpr double kTableTopMm = 28.0;
constexpr double kHeadingHeightMm = 10.0;
constexpr double kTimeColumnMm = 18.0;
constexpr double kLargestCellPoints = 14.0;
constexpr double kSmallestCellPoints = 5.0;
constexpr double kMinimumRowMm = 12.0;

} // namespace

MenuReportData menuReportData(const MenuGrid& grid)
{
    MenuReportData data;
    data.oneDay = grid.oneDay;
    for (int day = 0; day < 5; ++day) {
        for (int meal = 0; meal < kMealSlotCount; ++meal) {
            data.cells[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)]
                = QString::fromStdString(grid.cell(day, meal));
        }
    }
    data.reportDate = todayReportDate();
    return data;
}

QString menuReportTitle(bool oneDay)
{
    return oneDay ? QStringLiteral("幼儿园每天带量食谱") : QStringLiteral("幼儿园每周带量食谱");
}

Report makeMenuReport(const MenuReportData& data)
{
    ReportPageInfo info;
    info.itemCount = 20; // one page
    return Report(QStringLiteral("幼儿园食谱报表"), std::move(info),
        [data](QPainter& painter, const ReportPageInfo& page) { DrawMenuReport(painter, page, data); });
}

void DrawMenuReport(QPainter& painter, const ReportPageInfo& info, const MenuReportData& data)
{
    ReportCanvas canvas(painter);
    if (!canvas.isReady()) {
        return;
    }
    const double margin = ReportCanvas::kMarginMm;
    const double width = ReportCanvas::kPageWidthMm - 2 * margin;
    canvas.drawPageFrame();
    canvas.drawReportDate(data.reportDate);
    canvas.drawText(
        QRectF(margin, kTitleTopMm, width, 12), menuReportTitle(data.oneDay), canvas.font(19, true), Qt::AlignCenter);

    const int days = data.oneDay ? 1 : 5;
    std::vector<ReportColumn> columns { { QStringLiteral("时间"), kTimeColumnMm, Qt::AlignCenter } };
    for (int day = 0; day < days; ++day) {
        columns.push_back(
            { data.oneDay ? QStringLiteral("食谱") : utf8Text(kWeekDayKeys[static_cast<std::size_t>(day)]),
                (width - kTimeColumnMm) / days, Qt::AlignLeft | Qt::AlignTop });
    }
    ReportTable table(canvas, margin, columns);

    std::array<QStringList, kMealSlotCount> rows;
    for (int meal = 0; meal < kMealSlotCount; ++meal) {
        rows[static_cast<std::size_t>(meal)] << utf8Text(kMealSlots[static_cast<std::size_t>(meal)]);
        for (int day = 0; day < days; ++day) {
            rows[static_cast<std::size_t>(meal)]
                << data.cells[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)];
        }
    }

    // The largest cell font with which every row fits between the heading and the footer.
    const double available = ReportCanvas::kBodyBottomMm - kTableTopMm - kHeadingHeightMm;
    const QFont rowTitleFont = canvas.font(kLargestCellPoints, true);
    const auto rowHeights = [&](const QFont& font) {
        std::array<double, kMealSlotCount> heights {};
        for (int meal = 0; meal < kMealSlotCount; ++meal) {
            heights[static_cast<std::size_t>(meal)] = std::max(
                kMinimumRowMm, table.wrappedRowHeightMm(rows[static_cast<std::size_t>(meal)], font, rowTitleFont));
        }
        return heights;
    };
    const auto fits = [&](const std::array<double, kMealSlotCount>& heights) {
        return std::accumulate(heights.begin(), heights.end(), 0.0) <= available;
    };
    // Sizes in half points; the text only grows with the font, so the largest that fits is searched
    // by halves.
    int low = static_cast<int>(kSmallestCellPoints * 2);
    int high = static_cast<int>(kLargestCellPoints * 2);
    QFont cellFont = canvas.font(high / 2.0);
    std::array<double, kMealSlotCount> heights = rowHeights(cellFont);
    if (!fits(heights)) {
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (fits(rowHeights(canvas.font(middle / 2.0)))) {
                low = middle;
            } else {
                high = middle - 1;
            }
        }
        cellFont = canvas.font(low / 2.0);
        heights = rowHeights(cellFont);
    }
    // Rows share what is left over, or give up space in proportion when even the smallest font
    // does not fit (the cells then cut their text off at the rule).
    const double total = std::accumulate(heights.begin(), heights.end(), 0.0);
    for (auto& height : heights) {
        height = total <= available ? height + (available - total) / kMealSlotCount : height * available / total;
    }

    double top = table.drawHeading(kTableTopMm, kHeadingHeightMm, canvas.font(kLargestCellPoints, true));
    for (int meal = 0; meal < kMealSlotCount; ++meal) {
        top = table.drawWrappedRow(
            top, heights[static_cast<std::size_t>(meal)], rows[static_cast<std::size_t>(meal)], cellFont, rowTitleFont);
    }
    canvas.drawPageFooter(info.currentPage, info.pageCount);
}

} // namespace pelinor
