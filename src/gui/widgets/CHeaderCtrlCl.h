#pragma once

#include <QColor>
#include <QHeaderView>
#include <QString>

namespace pelinor {

// The skinned list's header: a gradient that starts at RGB(171,199,235) and darkens by 8 per
// pixel row, titles in "宋体" aligned by the list's alignment string, and a height factor.
class CHeaderCtrlCl : public QHeaderView
{
    Q_OBJECT

public:
    explicit CHeaderCtrlCl(QWidget* parent = nullptr);

    // The colour of pixel row `row` (0 at the top) of every header item.
    static QColor gradientColorAt(int row);

    void setAlignmentString(const QString& alignment);
    QString alignmentString() const;
    void setHeightFactor(double factor);
    double heightFactor() const;
    void setFontSize(int height, int width);
    void setTextColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString m_alignment;
    double m_heightFactor = 1.0;
    int m_fontHeight = 15;
    int m_fontWidth = 0;
    QColor m_textColor = Qt::black;
};

} // namespace pelinor
