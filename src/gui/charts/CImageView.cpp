#include "gui/charts/CImageView.h"

#include <QPainter>

namespace pelinor {

CImageView::CImageView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 140);
}

void CImageView::setGraph(CGraph graph)
{
    m_graph = std::move(graph);
    update();
}

void CImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_graph) {
        m_graph->draw(painter, rect());
    } else {
        painter.fillRect(rect(), Qt::white);
    }
}

} // namespace pelinor
