#pragma once

#include <QImage>
#include <QString>

class QPagedPaintDevice;

namespace pelinor {

class Report;

// How a print job ended.
enum class PrintResult
{
    Printed,
    CannotStart, // the device would not start the document
    CannotStartPage, // a page would not start; the job was given up
};

// The messages and captions of a failed print job.
inline constexpr const char* kPrintCannotStartText = "连接到打印机化败!";
inline constexpr const char* kPrintCannotStartCaption = "错误";
inline constexpr const char* kPrintCannotStartPageText = "请选择打印页";
inline constexpr const char* kPrintCannotStartPageCaption = "系统提示";

// Runs a whole print job on a printer or a PDF writer: every page from 1 to the page count, each
// painted for paper, whatever page the preview shows.
PrintResult printReport(QPagedPaintDevice& device, const Report& report);

// One page as the preview shows it: a white image of the page, 182 × 257 mm at `dpiX` × `dpiY`.
QImage renderReportPage(const Report& report, int page, int dpiX, int dpiY);

// Writes the whole report as a PDF: A4 sheets with the report's page in their middle, the
// report's document name as title. Gives an empty text when written, otherwise what went wrong.
QString writeReportPdf(const Report& report, const QString& path);

// The resolution PDFs are written at.
inline constexpr int kPdfResolution = 1200;

} // namespace pelinor
