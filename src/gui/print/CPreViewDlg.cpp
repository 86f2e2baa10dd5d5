#include "gui/print/CPreViewDlg.h"

#include "reports/ReportOutput.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace pelinor {

namespace {

// The ground around the page: a quiet woven pattern of our own.
QBrush groundBrush()
{
    QPixmap tile(8, 8);
    tile.fill(QColor(96, 104, 128));
    QPainter painter(&tile);
    painter.setPen(QColor(110, 118, 142));
    painter.drawLine(0, 0, 7, 7);
    painter.setPen(QColor(86, 94, 118));
    painter.drawLine(0, 7, 7, 0);
    return QBrush(tile);
}

} // namespace

CPreViewDlg::CPreViewDlg(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("CPreViewDlg"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(kLineStep);
    horizontalScrollBar()->setSingleStep(kLineStep);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPreViewDlg::setReport(const Report& report)
{
    m_report = report;
    m_currentPage = 1;
    renderPage();
}

void CPreViewDlg::setCurrentPage(int page)
{
    m_currentPage = page;
    renderPage();
}

void CPreViewDlg::renderPage()
{
    // Painted at the screen's real pixel density, shown at its logical size: sharp on any screen.
    const qreal ratio = devicePixelRatioF();
    m_page = renderReportPage(m_report, m_currentPage, static_cast<int>(std::lround(logicalDpiX() * ratio)),
        static_cast<int>(std::lround(logicalDpiY() * ratio)));
    m_page.setDevicePixelRatio(ratio);
    updateScrollRanges();
    viewport()->repaint();
}

void CPreViewDlg::updateScrollRanges()
{
    const QSize page = m_page.deviceIndependentSize().toSize();
    const QSize client = viewport()->size();
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, std::max(0, page.height() + logicalDpiY() - client.height()));
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + logicalDpiX() - client.width()));
}

QPoint CPreViewDlg::pageOrigin() const
{
    return QPoint(logicalDpiX() / 2 - horizontalScrollBar()->value(), logicalDpiY() / 2 - verticalScrollBar()->value());
}

void CPreViewDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), groundBrush());
    if (!m_page.isNull()) {
        painter.drawImage(pageOrigin(), m_page);
    }
}

void CPreViewDlg::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void CPreViewDlg::scrollContentsBy(int, int)
{
    viewport()->update();
}

int CPreViewDlg::takeWheelLines(int& remainder, int delta, int wheelStep)
{
    if (wheelStep <= 0) {
        remainder = 0;
        return 0;
    }
    remainder += delta;
    const int lines = remainder / wheelStep;
    remainder -= lines * wheelStep;
    return lines;
}

void CPreViewDlg::wheelEvent(QWheelEvent* event)
{
    const int scrollLines = QApplication::wheelScrollLines();
    const int step = scrollLines > 0 ? 120 / scrollLines : 0;
    const int lines = takeWheelLines(m_wheelRemainder, event->angleDelta().y(), step);
    verticalScrollBar()->setValue(verticalScrollBar()->value() - lines * kLineStep);
    event->accept();
}

} // namespace pelinor
