#include "reports/ReportCanvas.h"

#include "core/common/Clock.h"
#include "reports/ReportFonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pelinor {

ReportCanvas::ReportCanvas(QPainter& painter)
    : m_painter(painter)
{
    const QPaintDevice* device = painter.isActive() ? painter.device() : nullptr;
    if (device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0) {
        m_ready = true;
        m_dpiX = device->logicalDpiX();
        m_dpiY = device->logicalDpiY();
    }
}

QRectF ReportCanvas::rect(double leftMm, double topMm, double widthMm, double heightMm) const
{
    return QRectF(x(leftMm), y(topMm), x(widthMm), y(heightMm));
}

QRectF ReportCanvas::pageRect() const
{
    return rect(0, 0, kPageWidthMm, kPageHeightMm);
}

QFont ReportCanvas::font(double points, bool bold) const
{
    return reportFont(points, bold, m_dpiY);
}

QPen ReportCanvas::rulePen() const
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, std::round(2.0 * m_dpiX / 96.0)));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void ReportCanvas::drawPageFrame()
{
    const QPen pen = rulePen();
    const double inset = pen.widthF() / 2;
    m_painter.fillRect(pageRect(), Qt::white);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(pageRect().adjusted(inset, inset, -inset, -inset));
}

void ReportCanvas::drawText(const QRectF& boxMm, const QString& text, const QFont& font, int flags)
{
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(rect(boxMm.x(), boxMm.y(), boxMm.width(), boxMm.height()), flags, text);
}

double ReportCanvas::textHeightMm(const QString& text, const QFont& font, double widthMm, int flags) const
{
    const QFontMetricsF metrics(font, m_painter.device());
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, x(widthMm), 1e9), flags, text);
    return heightMm(bounds.height());
}

void ReportCanvas::drawFittedText(const QRectF& boxMm, const QString& text, const QFont& font, int flags)
{
    const double width = x(boxMm.width());
    QFont fitted = font;
    const int fullSize = font.pixelSize();
    double advance = QFontMetricsF(fitted, m_painter.device()).horizontalAdvance(text);
    if (advance > width && advance > 0) {
        fitted.setPixelSize(
            std::max({ 1, static_cast<int>(fullSize * 0.6), static_cast<int>(fullSize * width / advance) }));
    }
    const QString shown = QFontMetricsF(fitted, m_painter.device()).elidedText(text, Qt::ElideRight, width);
    drawText(boxMm, shown, fitted, flags | Qt::TextSingleLine);
}

void ReportCanvas::drawReportDate(const QString& date)
{
    drawText(QRectF(kMarginMm, kHeaderTopMm, kPageWidthMm - 2 * kMarginMm, 6), reportDateText(date), font(10),
        Qt::AlignLeft | Qt::AlignVCenter);
}

void ReportCanvas::drawPageFooter(int page, int pageCount)
{
    drawText(QRectF(kMarginMm, kFooterTopMm, kPageWidthMm - 2 * kMarginMm, 6), pageFooterText(page, pageCount),
        font(10), Qt::AlignHCenter | Qt::AlignVCenter);
}

QString reportDateText(const QString& date)
{
    return QStringLiteral("报表日期:") + date;
}

QString pageFooterText(int page, int pageCount)
{
    return QStringLiteral("第 %1 页/共 %2 页").arg(page).arg(pageCount);
}

QString todayReportDate()
{
    return QString::fromStdString(programClock().today().dateText());
}

} // namespace pelinor
