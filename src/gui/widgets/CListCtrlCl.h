#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace pelinor {

class CHeaderCtrlCl;

// The skinned report list every screen uses: whole-row selection, a gradient header, background
// and text colours per column and per cell (the most specific wins; a selected row ignores them)
// and an alignment string with one character per column ("0" left, "1" centre, "2" right).
class CListCtrlCl : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int kSkinnedRowHeight = 25;

    explicit CListCtrlCl(QWidget* parent = nullptr);

    CHeaderCtrlCl* header() const;

    // Columns: titles and widths in pixels (a width of 0 leaves the last column to stretch);
    // without widths the columns share the list's width.
    void setColumns(const QStringList& titles, const QList<int>& widths = {});
    // Appends a row of texts and returns its index.
    int appendRow(const QStringList& texts);
    // Removes every row (and the cell colours that belonged to them).
    void clearRows();
    QString itemText(int row, int column) const;
    void setItemText(int row, int column, const QString& text);
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

    void setAlignmentString(const QString& alignment);
    QString alignmentString() const;
    // Qt alignment of a column from the alignment string (centre when no character is given).
    Qt::Alignment columnAlignment(int column) const;

    void setColumnColor(int column, const QColor& background);
    void setColumnTextColor(int column, const QColor& text);
    void setCellColor(int row, int column, const QColor& background);
    void setCellTextColor(int row, int column, const QColor& text);
    void setDefaultTextColor(const QColor& text);
    void clearCellColors();

    // The colours a cell is drawn with.
    QColor backgroundColorAt(int row, int column, bool selected) const;
    QColor textColorAt(int row, int column, bool selected) const;

    // Rows 25 pixels high (0 leaves the style's height).
    void setSkinnedRowHeight(int height = kSkinnedRowHeight);
    int skinnedRowHeight() const;
    void setCellFontSize(int height, int width = 0);
    int cellFontHeight() const;

    // Header settings, passed on to the header control.
    void setHeaderHeightFactor(double factor);
    void setHeaderFontSize(int height, int width = 0);
    void setHeaderTextColor(const QColor& color);

private:
    static quint64 key(int row, int column);
    void applyRowHeight(int row);

    CHeaderCtrlCl* m_header;
    QString m_alignment;
    QHash<int, QColor> m_columnBackground;
    QHash<int, QColor> m_columnText;
    QHash<quint64, QColor> m_cellBackground;
    QHash<quint64, QColor> m_cellText;
    QColor m_defaultText = Qt::black;
    int m_rowHeight = 0;
    int m_cellFontHeight = 12;
    int m_cellFontWidth = 0;
};

} // namespace pelinor
