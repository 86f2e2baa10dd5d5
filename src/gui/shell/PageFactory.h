#pragma once

#include "gui/shell/PageId.h"

class QWidget;

namespace pelinor {

class CLumarooDlg;

// Creates the page that implements `page` (every page except the hubs and the home page, which
// the main window builds itself). Called once per page while the main window is initialised, in
// page-number order and then hub by hub; a page must not reach other pages in its constructor.
// The main window takes ownership. A module not built yet gets a notice page.
QWidget* createModulePage(PageId page, CLumarooDlg* mainWindow);

} // namespace pelinor
