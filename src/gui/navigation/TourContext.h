#pragma once

#include "gui/navigation/PageId.h"

#include <QString>
#include <functional>

class QWidget;

namespace pelinor {

// What a tour picture gets: the main window and a way to save any widget as a PNG.
class TourContext
{
public:
    virtual ~TourContext() = default;
    // The main window: the parent of the dialogs a picture shows.
    virtual QWidget& mainWindow() = 0;
    // Saves the widget (shown first if it is not visible yet) as NAME.png in the tour folder.
    virtual void save(QWidget* widget, const QString& name) = 0;

    // Shows a page in the main window and saves the whole window.
    void savePage(PageId page, const QString& name);
};

// One picture of the tour, registered with the page it belongs to: by default the page itself in
// the main window; a `take` function shows anything else (a dialog with data filled in, a page in
// the middle of a task) and saves it under `name` itself.
struct TourPicture
{
    QString name; // file name without ".png"
    std::function<void(TourContext&)> take = {};
};

// A picture of the tour in the order the tour takes them.
struct TourStep
{
    QString name;
    PageId page = PageId::CenterHub;
    std::function<void(TourContext&)> custom; // when set, it runs instead of showing `page`
};

} // namespace pelinor
