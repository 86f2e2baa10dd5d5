#include "reports/HealthExaminationReport.h"

#include "core/health/Examination.h"
#include "reports/ReportCanvas.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace pelinor {

namespace {

constexpr double kTitleTopMm = 13.0;
constexpr double kFormTopMm = 30.0;
constexpr double kGroupColumnMm = 30.0;
constexpr double kLabelColumnMm = 22.0;
constexpr double kValueColumnMm = 22.0;
constexpr int kPairsPerLine = 3;
constexpr double kLineMm = 10.0;
constexpr double kHealthStateLineMm = 20.0;
constexpr double kPaddingMm = 1.5;
constexpr double kLargestValuePoints = 12.0;
constexpr double kSmallestValuePoints = 6.0;

// One cell of the form, placed across the page; a label is bold and kept on one line, a value
// wraps.
struct FormCell
{
    double left = 0;
    double width = 0;
    QString text;
    bool label = false;
};

struct FormLine
{
    std::vector<FormCell> cells;
    double minimumHeight = kLineMm;
};

// A group's heading and the lines it spans.
struct FormBand
{
    QString heading;
    std::size_t firstLine = 0;
    std::size_t lineCount = 0;
};

struct FormLayout
{
    std::vector<FormLine> lines;
    std::vector<FormBand> bands;
};

FormLayout layOut(const std::vector<ExaminationReportGroup>& groups, double left, double width)
{
    FormLayout form;
    for (const auto& group : groups) {
        if (group.heading.empty()) {
            // The closing lines: each across the page, the last two (date and doctor) side by side.
            const std::size_t count = group.lines.size();
            const std::size_t alone = count >= 2 ? count - 2 : count;
            for (std::size_t i = 0; i < alone; ++i) {
                FormLine line;
                line.cells.push_back({ left, kGroupColumnMm, utf8Text(group.lines[i].label), true });
                line.cells.push_back(
                    { left + kGroupColumnMm, width - kGroupColumnMm, utf8Text(group.lines[i].value), false });
                line.minimumHeight = i + 1 == alone ? kHealthStateLineMm : kLineMm;
                form.lines.push_back(std::move(line));
            }
            if (alone < count) {
                const double half = width / 2;
                FormLine line;
                for (std::size_t i = alone; i < count; ++i) {
                    const double start = left + half * static_cast<double>(i - alone);
                    line.cells.push_back({ start, kGroupColumnMm, utf8Text(group.lines[i].label), true });
                    line.cells.push_back(
                        { start + kGroupColumnMm, half - kGroupColumnMm, utf8Text(group.lines[i].value), false });
                }
                form.lines.push_back(std::move(line));
            }
            continue;
        }
        FormBand band { utf8Text(group.heading), form.lines.size(), 0 };
        for (std::size_t i = 0; i < group.lines.size(); i += kPairsPerLine) {
            FormLine line;
            double start = left + kGroupColumnMm;
            for (std::size_t pair = 0; pair < kPairsPerLine; ++pair) {
                const bool present = i + pair < group.lines.size();
                // The last pair takes what the columns leave of the width.
                const double valueWidth
                    = pair + 1 == kPairsPerLine ? left + width - start - kLabelColumnMm : kValueColumnMm;
                line.cells.push_back(
                    { start, kLabelColumnMm, present ? utf8Text(group.lines[i + pair].label) : QString(), true });
                line.cells.push_back({ start + kLabelColumnMm, valueWidth,
                    present ? utf8Text(group.lines[i + pair].value) : QString(), false });
                start += kLabelColumnMm + valueWidth;
            }
            form.lines.push_back(std::move(line));
            ++band.lineCount;
        }
        if (band.lineCount > 0) {
            form.bands.push_back(band);
        }
    }
    return form;
}

constexpr int kValueFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

std::vector<double> lineHeights(ReportCanvas& canvas, const FormLayout& form, const QFont& valueFont)
{
    std::vector<double> heights;
    for (const auto& line : form.lines) {
        double height = line.minimumHeight;
        for (const auto& cell : line.cells) {
            if (!cell.label && !cell.text.isEmpty()) {
                height = std::max(height,
                    canvas.textHeightMm(cell.text, valueFont, cell.width - 2 * kPaddingMm, kValueFlags)
                        + 2 * kPaddingMm);
            }
        }
        heights.push_back(height);
    }
    return heights;
}

void drawBox(ReportCanvas& canvas, double left, double top, double width, double height)
{
    QPainter& painter = canvas.painter();
    painter.setPen(canvas.rulePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(canvas.rect(left, top, width, height));
}

} // namespace

Report makeHealthExaminationReport(const Examination& examination)
{
    ReportPageInfo info;
    info.itemCount = 20; // one page
    const HealthExaminationReportData data { examinationReportGroups(examination), todayReportDate() };
    return Report(QStringLiteral("健康体检报告"), std::move(info),
        [data](QPainter& painter, const ReportPageInfo& page) { DrawHealthExaminationReport(painter, page, data); });
}

void DrawHealthExaminationReport(QPainter& painter, const ReportPageInfo& info, const HealthExaminationReportData& data)
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
        QRectF(margin, kTitleTopMm, width, 13), QStringLiteral("健康体检报告"), canvas.font(24, true), Qt::AlignCenter);

    const FormLayout form = layOut(data.groups, margin, width);
    const double available = ReportCanvas::kBodyBottomMm - kFormTopMm;
    const auto total
        = [](const std::vector<double>& heights) { return std::accumulate(heights.begin(), heights.end(), 0.0); };
    // The largest value font, in half points, with which the whole form fits above the footer.
    int size = static_cast<int>(kLargestValuePoints * 2);
    QFont valueFont = canvas.font(size / 2.0);
    std::vector<double> heights = lineHeights(canvas, form, valueFont);
    while (total(heights) > available && size > static_cast<int>(kSmallestValuePoints * 2)) {
        --size;
        valueFont = canvas.font(size / 2.0);
        heights = lineHeights(canvas, form, valueFont);
    }
    // Even the smallest font too large: the lines give up space in proportion and cut their text.
    const double sum = total(heights);
    if (sum > available) {
        for (auto& height : heights) {
            height *= available / sum;
        }
    }

    const QFont labelFont = canvas.font(12, true);
    const QFont headingFont = canvas.font(14, true);
    std::vector<double> tops;
    double top = kFormTopMm;
    for (const double height : heights) {
        tops.push_back(top);
        top += height;
    }
    // Each group's heading first, then its lines, so the page reads (and its text extracts) in order.
    std::size_t nextBand = 0;
    for (std::size_t i = 0; i < form.lines.size(); ++i) {
        if (nextBand < form.bands.size() && form.bands[nextBand].firstLine == i) {
            const FormBand& band = form.bands[nextBand++];
            const std::size_t last = band.firstLine + band.lineCount - 1;
            const double bandHeight = tops[last] + heights[last] - tops[i];
            drawBox(canvas, margin, tops[i], kGroupColumnMm, bandHeight);
            canvas.drawFittedText(QRectF(margin + kPaddingMm, tops[i], kGroupColumnMm - 2 * kPaddingMm, bandHeight),
                band.heading, headingFont, Qt::AlignCenter);
        }
        const double height = heights[i];
        for (const auto& cell : form.lines[i].cells) {
            drawBox(canvas, cell.left, tops[i], cell.width, height);
            if (cell.text.isEmpty()) {
                continue;
            }
            const QRectF box(
                cell.left + kPaddingMm, tops[i] + kPaddingMm, cell.width - 2 * kPaddingMm, height - 2 * kPaddingMm);
            if (cell.label) {
                canvas.drawFittedText(box, cell.text, labelFont, Qt::AlignLeft | Qt::AlignVCenter);
            } else {
                canvas.drawText(box, cell.text, valueFont, kValueFlags);
            }
        }
    }
    canvas.drawPageFooter(info.currentPage, info.pageCount);
}

} // namespace pelinor
