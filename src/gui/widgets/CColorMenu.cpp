#include "gui/widgets/CColorMenu.h"

#include "gui/widgets/SkinFonts.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace pelinor {

namespace {

// Gives every item the fixed size and takes away the frame and margins of the platform style.
class MenuMetricsStyle : public QProxyStyle
{
public:
    QSize sizeFromContents(
        ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const override
    {
        if (type == CT_MenuItem) {
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            if (item && item->menuItemType == QStyleOptionMenuItem::Separator) {
                return QSize(CColorMenu::kItemWidth, 5);
            }
            const QSize text = QProxyStyle::sizeFromContents(type, option, size, widget);
            return QSize(std::max(CColorMenu::kItemWidth, text.width()), CColorMenu::kItemHeight);
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

CColorMenu::CColorMenu(QWidget* parent)
    : QMenu(parent)
{
    auto* metrics = new MenuMetricsStyle;
    metrics->setParent(this);
    setStyle(metrics);
    QFont font = songFont(0);
    font.setPointSize(10);
    setFont(font);
}

void CColorMenu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 250, 250));
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    for (QAction* action : actions()) {
        const QRect area = actionGeometry(action);
        if (!area.isValid() || !event->rect().intersects(area)) {
            continue;
        }
        if (action->isSeparator()) {
            painter.setPen(QColor(200, 200, 200));
            painter.drawLine(area.left() + 4, area.center().y(), area.right() - 4, area.center().y());
            continue;
        }
        const bool selected = action == activeAction() && action->isEnabled();
        painter.fillRect(area, selected ? QColor(225, 225, 225) : QColor(250, 250, 250));
        painter.setPen(action->isEnabled() ? QColor(Qt::black) : QColor(150, 150, 150));
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
}

} // namespace pelinor
