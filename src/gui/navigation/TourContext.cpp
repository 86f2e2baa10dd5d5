#include "gui/navigation/TourContext.h"

#include "gui/navigation/Navigator.h"

namespace pelinor {

void TourContext::savePage(PageId page, const QString& name)
{
    navigator().showPage(page);
    save(&mainWindow(), name);
}

} // namespace pelinor
