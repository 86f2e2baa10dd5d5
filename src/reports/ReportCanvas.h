#pragma once

#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>
#include <string_view>

class QPainter;

namespace pelinor {

// The page of a report on one device, as the preview, the printer and PDF all see it: 182 × 257 mm
// from the painter's origin, measured in the device's pixels (its logical DPI), fonts by point size
// on the same DPI. A routine places everything in millimetres through it, so a page looks the same
// on the screen and on paper.
class ReportCanvas
{
public:
    static constexpr double kPageWidthMm = 182.0;
    static constexpr double kPageHeightMm = 257.0;

    explicit ReportCanvas(QPainter& painter);

    // False when the painter paints on nothing: the routine then returns at once.
    bool isReady() const
    {
        return m_ready;
    }
    QPainter& painter()
    {
        return m_painter;
    }

    int dpiX() const
    {
        return m_dpiX;
    }
    int dpiY() const
    {
        return m_dpiY;
    }
    double pixelsPerMmX() const
    {
        return m_dpiX / 25.4;
    }
    double pixelsPerMmY() const
    {
        return m_dpiY / 25.4;
    }
    double x(double mm) const
    {
        return mm * pixelsPerMmX();
    }
    double y(double mm) const
    {
        return mm * pixelsPerMmY();
    }
    // Device pixels back to millimetres.
    double heightMm(double pixels) const
    {
        return pixels / pixelsPerMmY();
    }
    double widthMm(double pixels) const
    {
        return pixels / pixelsPerMmX();
    }
    QRectF rect(double leftMm, double topMm, double widthMm, double heightMm) const;
    QRectF pageRect() const;

    QFont font(double points, bool bold = false) const;
    // The ruling pen: two pixels of the screen, as thick on paper.
    QPen rulePen() const;

    // The white page with its frame; every page starts with it.
    void drawPageFrame();
    // Text in a box given in millimetres (Qt alignment and wrapping flags).
    void drawText(const QRectF& boxMm, const QString& text, const QFont& font, int flags);
    // The height in millimetres `text` needs in a box `widthMm` wide with these flags.
    double textHeightMm(const QString& text, const QFont& font, double widthMm, int flags) const;
    // One line of text shrunk (down to 60 %) until it fits `boxMm`, and cut with "…" beyond that.
    void drawFittedText(const QRectF& boxMm, const QString& text, const QFont& font, int flags);

    // "报表日期:2026-03-02" at the top left of the page.
    void drawReportDate(const QString& date);
    // "第 1 页/共 2 页" centred at the foot of the page.
    void drawPageFooter(int page, int pageCount);

    // The top of the body, below the report date, and the bottom, above the footer.
    static constexpr double kMarginMm = 10.0;
    static constexpr double kHeaderTopMm = 6.0;
    static constexpr double kBodyTopMm = 13.0;
    static constexpr double kBodyBottomMm = 246.0;
    static constexpr double kFooterTopMm = 248.0;

private:
    QPainter& m_painter;
    bool m_ready = false;
    int m_dpiX = 96;
    int m_dpiY = 96;
};

// A UTF-8 text of the core as a QString.
inline QString utf8Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "报表日期:" followed by the date.
QString reportDateText(const QString& date);
// "第 %i 页/共 %i 页".
QString pageFooterText(int page, int pageCount);
// Today's date as the report header shows it ("%Y-%m-%d", from the program's clock).
QString todayReportDate();

} // namespace pelinor
