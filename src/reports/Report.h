#pragma once

#include "reports/ReportPageInfo.h"

#include <QString>

class QPainter;

namespace pelinor {

// A printable report: its document name (the print job's and the PDF's title), its page information
// and the routine that paints one page. Plain data: it can be copied, kept and painted any number of
// times, on the preview, a printer or a PDF. The page count follows from the item count.
class Report
{
public:
    Report() = default;
    Report(QString documentName, ReportPageInfo info, ReportDrawProc draw);

    const QString& documentName() const
    {
        return m_documentName;
    }
    const ReportPageInfo& info() const
    {
        return m_info;
    }
    int pageCount() const
    {
        return m_info.pageCount;
    }
    // Nothing to show: no rows (the preview does not open) or no routine.
    bool isEmpty() const;

    // Paints `page` (brought into 1 … page count) for the screen or, with `printing`, for paper.
    // Nothing happens on a painter that paints on nothing.
    void paintPage(QPainter& painter, int page, bool printing) const;

private:
    QString m_documentName;
    ReportPageInfo m_info;
    ReportDrawProc m_draw;
};

} // namespace pelinor
