#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

namespace pelinor {

class ReportCanvas;

// One column of a printed table: its heading, its width in millimetres and how its cells align.
struct ReportColumn
{
    QString title;
    double widthMm = 0.0;
    int alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// A ruled table on a report page, placed in millimetres. Rows are drawn one at a time from a top
// position, each giving back its bottom, so a routine can lay out as many rows as its page holds.
class ReportTable
{
public:
    ReportTable(ReportCanvas& canvas, double leftMm, std::vector<ReportColumn> columns);

    double widthMm() const;
    const std::vector<ReportColumn>& columns() const
    {
        return m_columns;
    }

    // The column titles, centred, in `font`.
    double drawHeading(double topMm, double heightMm, const QFont& font);
    // One line per cell, shrunk to fit its cell when it is too long.
    double drawRow(double topMm, double heightMm, const QStringList& cells, const QFont& font);
    // Cells whose text wraps inside the cell (at any character, as Chinese text does); the first
    // cell may have its own font (a row title).
    double drawWrappedRow(
        double topMm, double heightMm, const QStringList& cells, const QFont& font, const QFont& firstCellFont);
    // The height a wrapped row needs for its texts, padding included.
    double wrappedRowHeightMm(const QStringList& cells, const QFont& font, const QFont& firstCellFont) const;

    // The blank kept between a cell's rule and its text.
    static constexpr double kPaddingMm = 1.5;

private:
    void drawCellRules(double topMm, double heightMm);

    ReportCanvas& m_canvas;
    double m_left;
    std::vector<ReportColumn> m_columns;
};

} // namespace pelinor
