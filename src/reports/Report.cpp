#include "reports/Report.h"

#include "reports/ReportPaging.h"

#include <QPainter>

namespace pelinor {

Report::Report(QString documentName, ReportPageInfo info, ReportDrawProc draw)
    : m_documentName(std::move(documentName))
    , m_info(std::move(info))
    , m_draw(std::move(draw))
{
    m_info.pageCount = reportPageCount(m_info.itemCount);
    m_info.currentPage = clampPage(m_info.currentPage, m_info.pageCount);
}

bool Report::isEmpty() const
{
    return m_info.pageCount <= 0 || !m_draw;
}

void Report::paintPage(QPainter& painter, int page, bool printing) const
{
    if (isEmpty() || !painter.isActive() || !painter.device()) {
        return;
    }
    ReportPageInfo info = m_info;
    info.currentPage = clampPage(page, info.pageCount);
    info.printing = printing;
    painter.save();
    m_draw(painter, info);
    painter.restore();
}

} // namespace pelinor
