#pragma once

#include "reports/charts/CGraph.h"

#include <QWidget>
#include <optional>

namespace pelinor {

// The chart on an analysis page: a thin view that paints the CGraph it holds into its whole area
// whenever it repaints. Without a graph it stays white.
class CImageView : public QWidget
{
    Q_OBJECT

public:
    explicit CImageView(QWidget* parent = nullptr);

    // Shows `graph` from the next repaint on.
    void setGraph(CGraph graph);
    const std::optional<CGraph>& graph() const
    {
        return m_graph;
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<CGraph> m_graph;
};

} // namespace pelinor
