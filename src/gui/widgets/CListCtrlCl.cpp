#include "gui/widgets/CListCtrlCl.h"

#include "gui/widgets/CHeaderCtrlCl.h"
#include "gui/widgets/SkinFonts.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace pelinor {

namespace {

constexpr int kTextIndent = 3;

// Paints one cell by the list's colour and alignment rules.
class SkinnedCellDelegate : public QStyledItemDelegate
{
public:
    explicit SkinnedCellDelegate(CListCtrlCl* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const int row = index.row();
        const int column = index.column();
        painter->save();
        painter->fillRect(option.rect, m_list->backgroundColorAt(row, column, selected));

        QRect textRect = option.rect;
        const Qt::Alignment horizontal = m_list->columnAlignment(column);
        if (horizontal & Qt::AlignLeft) {
            textRect.adjust(kTextIndent, 0, 0, 0);
        } else if (horizontal & Qt::AlignRight) {
            textRect.adjust(0, 0, -kTextIndent, 0);
        }
        painter->setFont(m_list->font());
        painter->setPen(m_list->textColorAt(row, column, selected));
        const QString text = index.data(Qt::DisplayRole).toString();
        const QString shown = painter->fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, textRect.width()));
        painter->drawText(textRect, static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), shown);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (m_list->skinnedRowHeight() > 0) {
            size.setHeight(m_list->skinnedRowHeight());
        }
        return size;
    }

private:
    CListCtrlCl* m_list;
};

} // namespace

CListCtrlCl::CListCtrlCl(QWidget* parent)
    : QTableWidget(parent)
    , m_header(new CHeaderCtrlCl(this))
{
    setHorizontalHeader(m_header);
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setWordWrap(false);
    setAlternatingRowColors(false);
    setFrameShape(QFrame::StyledPanel);
    setItemDelegate(new SkinnedCellDelegate(this));
    setFont(songFont(m_cellFontHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kWhiteBrushColor);
    colours.setColor(QPalette::Window, kWhiteBrushColor);
    setPalette(colours);
    m_header->setMinimumSectionSize(20);
    m_header->setDefaultAlignment(Qt::AlignCenter);
}

CHeaderCtrlCl* CListCtrlCl::header() const
{
    return m_header;
}

void CListCtrlCl::setColumns(const QStringList& titles, const QList<int>& widths)
{
    setColumnCount(static_cast<int>(titles.size()));
    setHorizontalHeaderLabels(titles);
    if (widths.isEmpty()) {
        // No widths: the columns share the list's width.
        m_header->setSectionResizeMode(QHeaderView::Stretch);
        return;
    }
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    bool stretchLast = false;
    for (int column = 0; column < titles.size(); ++column) {
        const int width = column < widths.size() ? widths.at(column) : 0;
        if (width > 0) {
            setColumnWidth(column, width);
        } else {
            stretchLast = true;
        }
    }
    m_header->setStretchLastSection(stretchLast);
}

int CListCtrlCl::appendRow(const QStringList& texts)
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        setItemText(row, column, column < texts.size() ? texts.at(column) : QString());
    }
    applyRowHeight(row);
    return row;
}

void CListCtrlCl::clearRows()
{
    clearSelection();
    setRowCount(0);
    m_cellBackground.clear();
    m_cellText.clear();
}

QString CListCtrlCl::itemText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CListCtrlCl::setItemText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
        return;
    }
    auto* cell = new QTableWidgetItem(text);
    cell->setToolTip(text);
    setItem(row, column, cell);
}

int CListCtrlCl::selectedRow() const
{
    const QList<QTableWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void CListCtrlCl::selectRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    QTableWidget::selectRow(row);
}

void CListCtrlCl::setAlignmentString(const QString& alignment)
{
    m_alignment = alignment;
    m_header->setAlignmentString(alignment);
    viewport()->update();
}

QString CListCtrlCl::alignmentString() const
{
    return m_alignment;
}

Qt::Alignment CListCtrlCl::columnAlignment(int column) const
{
    const QChar code = column >= 0 && column < m_alignment.size() ? m_alignment.at(column) : QChar('1');
    if (code == QChar('0')) {
        return Qt::AlignLeft;
    }
    if (code == QChar('2')) {
        return Qt::AlignRight;
    }
    return Qt::AlignHCenter;
}

void CListCtrlCl::setColumnColor(int column, const QColor& background)
{
    m_columnBackground.insert(column, background);
    viewport()->update();
}

void CListCtrlCl::setColumnTextColor(int column, const QColor& text)
{
    m_columnText.insert(column, text);
    viewport()->update();
}

void CListCtrlCl::setCellColor(int row, int column, const QColor& background)
{
    m_cellBackground.insert(key(row, column), background);
    viewport()->update();
}

void CListCtrlCl::setCellTextColor(int row, int column, const QColor& text)
{
    m_cellText.insert(key(row, column), text);
    viewport()->update();
}

void CListCtrlCl::setDefaultTextColor(const QColor& text)
{
    m_defaultText = text;
    viewport()->update();
}

void CListCtrlCl::clearCellColors()
{
    m_cellBackground.clear();
    m_cellText.clear();
    viewport()->update();
}

QColor CListCtrlCl::backgroundColorAt(int row, int column, bool selected) const
{
    if (selected) {
        return palette().color(QPalette::Active, QPalette::Highlight);
    }
    if (const auto cell = m_cellBackground.constFind(key(row, column)); cell != m_cellBackground.cend()) {
        return *cell;
    }
    if (const auto col = m_columnBackground.constFind(column); col != m_columnBackground.cend()) {
        return *col;
    }
    return palette().color(QPalette::Base);
}

QColor CListCtrlCl::textColorAt(int row, int column, bool selected) const
{
    if (selected) {
        return palette().color(QPalette::Active, QPalette::HighlightedText);
    }
    if (const auto cell = m_cellText.constFind(key(row, column)); cell != m_cellText.cend()) {
        return *cell;
    }
    if (const auto col = m_columnText.constFind(column); col != m_columnText.cend()) {
        return *col;
    }
    return m_defaultText;
}

void CListCtrlCl::setSkinnedRowHeight(int height)
{
    m_rowHeight = height;
    if (height > 0) {
        verticalHeader()->setMinimumSectionSize(1);
        verticalHeader()->setDefaultSectionSize(height);
    }
    for (int row = 0; row < rowCount(); ++row) {
        applyRowHeight(row);
    }
}

int CListCtrlCl::skinnedRowHeight() const
{
    return m_rowHeight;
}

void CListCtrlCl::setCellFontSize(int height, int width)
{
    m_cellFontHeight = height;
    m_cellFontWidth = width;
    setFont(songFont(height));
}

int CListCtrlCl::cellFontHeight() const
{
    return m_cellFontHeight;
}

void CListCtrlCl::setHeaderHeightFactor(double factor)
{
    m_header->setHeightFactor(factor);
}

void CListCtrlCl::setHeaderFontSize(int height, int width)
{
    m_header->setFontSize(height, width);
}

void CListCtrlCl::setHeaderTextColor(const QColor& color)
{
    m_header->setTextColor(color);
}

quint64 CListCtrlCl::key(int row, int column)
{
    return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
}

void CListCtrlCl::applyRowHeight(int row)
{
    if (m_rowHeight > 0) {
        setRowHeight(row, m_rowHeight);
    }
}

} // namespace pelinor
