#pragma once

namespace pelinor {

// A page that reloads what it shows when the navigation opens it. The main window calls
// refresh() exactly where the navigation rules ask for it (the archive and plan lists from the
// navigation bar, the information hub's targets, and the foods, dishes, attendance, examination
// and immunisation pages from the home page), never on other switches, so a page that holds
// unsaved input keeps it.
class RefreshablePage
{
public:
    virtual ~RefreshablePage() = default;
    virtual void refresh() = 0;
};

} // namespace pelinor
