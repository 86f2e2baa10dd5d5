#include "gui/widgets/CAnchorLayout.h"

namespace pelinor {

void CAnchorLayout::add(QWidget* control, const QSize& parentSize, Percentages percentages)
{
    m_anchors.append({ control, control->geometry(), parentSize, percentages });
}

void CAnchorLayout::apply(const QSize& parentSize) const
{
    for (const Anchor& anchor : m_anchors) {
        if (anchor.control) {
            anchor.control->setGeometry(anchored(anchor.first, anchor.parentSize, parentSize, anchor.percentages));
        }
    }
}

QRect CAnchorLayout::anchored(const QRect& first, const QSize& firstParent, const QSize& parentSize, Percentages p)
{
    const int dx = parentSize.width() - firstParent.width();
    const int dy = parentSize.height() - firstParent.height();
    return QRect(first.left() + dx * p.moveX / 100, first.top() + dy * p.moveY / 100,
        first.width() + dx * p.growX / 100, first.height() + dy * p.growY / 100);
}

} // namespace pelinor
