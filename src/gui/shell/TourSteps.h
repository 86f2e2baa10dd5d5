#pragma once

#include "gui/shell/PageId.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace pelinor {

class CLumarooDlg;

// What a tour step gets: the main window and a way to save any widget as a PNG.
class TourContext
{
public:
    virtual ~TourContext() = default;
    virtual CLumarooDlg& mainWindow() = 0;
    // Saves the widget (shown first if it is not visible yet) as NAME.png in the tour folder.
    virtual void save(QWidget* widget, const QString& name) = 0;
};

// One picture of the tour: a page shown in the main window, or anything a custom step shows
// (a dialog with data filled in, for example).
struct TourStep
{
    QString name; // file name without ".png"
    PageId page = PageId::CenterHub;
    std::function<void(TourContext&)> custom; // when set, it runs instead of showing `page`
};

// The tour in order: one line per page, more lines for dialogs.
std::vector<TourStep> tourSteps();

} // namespace pelinor
