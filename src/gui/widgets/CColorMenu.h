#pragma once

#include <QMenu>

namespace pelinor {

// The program's pop-up menu: items 100 x 25 pixels on RGB(250,250,250), RGB(225,225,225) under
// the mouse, black text centred in a 10-point "宋体".
class CColorMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int kItemWidth = 100;
    static constexpr int kItemHeight = 25;

    explicit CColorMenu(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pelinor
