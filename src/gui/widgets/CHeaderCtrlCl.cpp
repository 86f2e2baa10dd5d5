#include "gui/widgets/CHeaderCtrlCl.h"

#include "gui/widgets/SkinFonts.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <algorithm>

namespace pelinor {

namespace {

constexpr int kStartRed = 171;
constexpr int kStartGreen = 199;
constexpr int kStartBlue = 235;
constexpr int kStep = 8;
constexpr int kIndent = 3;

} // namespace

CHeaderCtrlCl::CHeaderCtrlCl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setFont(songFont(m_fontHeight));
}

QColor CHeaderCtrlCl::gradientColorAt(int row)
{
    const int drop = kStep * std::max(0, row);
    return QColor(std::max(0, kStartRed - drop), std::max(0, kStartGreen - drop), std::max(0, kStartBlue - drop));
}

void CHeaderCtrlCl::setAlignmentString(const QString& alignment)
{
    m_alignment = alignment;
    viewport()->update();
}

QString CHeaderCtrlCl::alignmentString() const
{
    return m_alignment;
}

void CHeaderCtrlCl::setHeightFactor(double factor)
{
    m_heightFactor = factor > 0 ? factor : 1.0;
    updateGeometry();
    viewport()->update();
}

double CHeaderCtrlCl::heightFactor() const
{
    return m_heightFactor;
}

void CHeaderCtrlCl::setFontSize(int height, int width)
{
    m_fontHeight = height;
    m_fontWidth = width;
    QFont font = songFont(height);
    if (width > 0) {
        // A LOGFONT width stretches the glyphs; roughly the same as a horizontal stretch in percent.
        font.setStretch(std::clamp(width * 200 / std::max(1, height), 50, 200));
    }
    setFont(font);
    updateGeometry();
    viewport()->update();
}

void CHeaderCtrlCl::setTextColor(const QColor& color)
{
    m_textColor = color;
    viewport()->update();
}

QSize CHeaderCtrlCl::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(static_cast<int>(size.height() * m_heightFactor));
    return size;
}

void CHeaderCtrlCl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid()) {
        return;
    }
    painter->save();
    for (int y = 0; y < rect.height(); ++y) {
        painter->setPen(gradientColorAt(y));
        painter->drawLine(rect.left(), rect.top() + y, rect.right(), rect.top() + y);
    }
    // A thin light line between items, as the list's grid has.
    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(rect.topRight(), rect.bottomRight());

    const QString title = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const QChar code = logicalIndex < m_alignment.size() ? m_alignment.at(logicalIndex) : QChar('1');
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    QRect textRect = rect;
    if (code == QChar('0')) {
        flags |= Qt::AlignLeft;
        textRect.adjust(kIndent, 0, 0, 0);
    } else if (code == QChar('2')) {
        flags |= Qt::AlignRight;
        textRect.adjust(0, 0, -kIndent, 0);
    } else {
        flags |= Qt::AlignHCenter;
    }
    painter->setFont(font());
    painter->setPen(m_textColor);
    painter->drawText(textRect, flags, title);
    painter->restore();
}

} // namespace pelinor
