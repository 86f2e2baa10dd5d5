#pragma once

#include <QObject>
#include <QPoint>
#include <limits>

class QMouseEvent;
class QWidget;

namespace pelinor {

// Lets a frameless window be dragged by the left mouse button. The window system moves it where it
// can; where it cannot (offscreen, some X11 window managers) the window follows the mouse by hand.
// It watches the window's own mouse events, so the window's handlers see only what it leaves.
class WindowDragger : public QObject
{
    Q_OBJECT

public:
    // A press in the top `stripHeight` pixels starts a drag; by default anywhere in the window.
    explicit WindowDragger(QWidget* window, int stripHeight = std::numeric_limits<int>::max());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(const QMouseEvent* event);
    bool follow(const QMouseEvent* event);

    QWidget* m_window;
    int m_stripHeight;
    QPoint m_offset;
    bool m_dragging = false;
};

} // namespace pelinor
