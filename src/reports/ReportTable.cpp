#include "reports/ReportTable.h"

#include "reports/ReportCanvas.h"

#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

constexpr int kWrapped = Qt::TextWordWrap;

} // namespace

ReportTable::ReportTable(ReportCanvas& canvas, double leftMm, std::vector<ReportColumn> columns)
    : m_canvas(canvas)
    , m_left(leftMm)
    , m_columns(std::move(columns))
{
}

double ReportTable::widthMm() const
{
    double width = 0;
    for (const auto& column : m_columns) {
        width += column.widthMm;
    }
    return width;
}

void ReportTable::drawCellRules(double topMm, double heightMm)
{
    QPainter& painter = m_canvas.painter();
    painter.setPen(m_canvas.rulePen());
    painter.setBrush(Qt::NoBrush);
    double left = m_left;
    for (const auto& column : m_columns) {
        painter.drawRect(m_canvas.rect(left, topMm, column.widthMm, heightMm));
        left += column.widthMm;
    }
}

double ReportTable::drawHeading(double topMm, double heightMm, const QFont& font)
{
    drawCellRules(topMm, heightMm);
    double left = m_left;
    for (const auto& column : m_columns) {
        m_canvas.drawFittedText(QRectF(left + kPaddingMm, topMm, column.widthMm - 2 * kPaddingMm, heightMm),
            column.title, font, Qt::AlignCenter);
        left += column.widthMm;
    }
    return topMm + heightMm;
}

double ReportTable::drawRow(double topMm, double heightMm, const QStringList& cells, const QFont& font)
{
    drawCellRules(topMm, heightMm);
    double left = m_left;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const auto& column = m_columns[i];
        if (static_cast<qsizetype>(i) < cells.size() && !cells[static_cast<qsizetype>(i)].isEmpty()) {
            m_canvas.drawFittedText(QRectF(left + kPaddingMm, topMm, column.widthMm - 2 * kPaddingMm, heightMm),
                cells[static_cast<qsizetype>(i)], font, column.alignment);
        }
        left += column.widthMm;
    }
    return topMm + heightMm;
}

double ReportTable::drawWrappedRow(
    double topMm, double heightMm, const QStringList& cells, const QFont& font, const QFont& firstCellFont)
{
    drawCellRules(topMm, heightMm);
    double left = m_left;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const auto& column = m_columns[i];
        if (static_cast<qsizetype>(i) < cells.size()) {
            m_canvas.drawText(QRectF(left + kPaddingMm, topMm + kPaddingMm, column.widthMm - 2 * kPaddingMm,
                                  heightMm - 2 * kPaddingMm),
                cells[static_cast<qsizetype>(i)], i == 0 ? firstCellFont : font, column.alignment | kWrapped);
        }
        left += column.widthMm;
    }
    return topMm + heightMm;
}

double ReportTable::wrappedRowHeightMm(const QStringList& cells, const QFont& font, const QFont& firstCellFont) const
{
    double height = 0;
    for (std::size_t i = 0; i < m_columns.size() && static_cast<qsizetype>(i) < cells.size(); ++i) {
        const QString& text = cells[static_cast<qsizetype>(i)];
        if (text.isEmpty()) {
            continue;
        }
        height = std::max(height,
            m_canvas.textHeightMm(text, i == 0 ? firstCellFont : font, m_columns[i].widthMm - 2 * kPaddingMm,
                m_columns[i].alignment | kWrapped));
    }
    return height + 2 * kPaddingMm;
}

} // namespace pelinor
