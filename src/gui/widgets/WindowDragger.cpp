#include "gui/widgets/WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pelinor {

WindowDragger::WindowDragger(QWidget* window, int stripHeight)
    : QObject(window)
    , m_window(window)
    , m_stripHeight(stripHeight)
{
    window->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return press(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return follow(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        // The window still gets the release.
        m_dragging = false;
        return false;
    default:
        return false;
    }
}

bool WindowDragger::press(const QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || event->position().y() >= m_stripHeight) {
        return false;
    }
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove()) {
        return true;
    }
    m_dragging = true;
    m_offset = event->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
    return true;
}

bool WindowDragger::follow(const QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        return false;
    }
    m_window->move(event->globalPosition().toPoint() - m_offset);
    return true;
}

} // namespace pelinor
