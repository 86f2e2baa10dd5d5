#include "reports/ReportOutput.h"

#include "reports/Report.h"
#include "reports/ReportCanvas.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <cstdio>

namespace pelinor {

PrintResult printReport(QPagedPaintDevice& device, const Report& report)
{
    QPainter painter;
    if (report.isEmpty() || !painter.begin(&device)) {
        return PrintResult::CannotStart;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (int page = 1; page <= report.pageCount(); ++page) {
        if (page > 1 && !device.newPage()) {
            painter.end();
            return PrintResult::CannotStartPage;
        }
        report.paintPage(painter, page, true);
    }
    return painter.end() ? PrintResult::Printed : PrintResult::CannotStart;
}

QImage renderReportPage(const Report& report, int page, int dpiX, int dpiY)
{
    const int width = static_cast<int>(std::ceil(ReportCanvas::kPageWidthMm * dpiX / 25.4));
    const int height = static_cast<int>(std::ceil(ReportCanvas::kPageHeightMm * dpiY / 25.4));
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpiX / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpiY / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    report.paintPage(painter, page, false);
    painter.end();
    return image;
}

QString writeReportPdf(const Report& report, const QString& path)
{
    if (report.isEmpty()) {
        return QStringLiteral("报表没有内容，未生成PDF。");
    }
    // Written beside the target and put in its place only when complete, so a failure never leaves
    // half a file where a good one was.
    const QString partial = path + QStringLiteral(".part");
    PrintResult result = PrintResult::CannotStart;
    {
        QPdfWriter writer(partial);
        writer.setResolution(kPdfResolution);
        writer.setTitle(report.documentName());
        writer.setCreator(QStringLiteral("Pelinor"));
        // A4 with the 182 × 257 mm report page in the middle.
        const double sideMm = (210.0 - ReportCanvas::kPageWidthMm) / 2;
        const double topMm = (297.0 - ReportCanvas::kPageHeightMm) / 2;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(sideMm, topMm, sideMm, topMm), QPageLayout::Millimeter));
        result = printReport(writer, report);
    }
    if (result != PrintResult::Printed || !QFileInfo(partial).isFile()) {
        QFile::remove(partial);
        return QStringLiteral("无法写入文件：%1").arg(path);
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(partial);
        return QStringLiteral("无法写入文件：%1").arg(path);
    }
    return {};
}

} // namespace pelinor
