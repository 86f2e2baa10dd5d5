#pragma once

namespace pelinor {

// A page that reloads what it shows when the navigation opens it. The shell calls refresh()
// exactly where the page's registration asks for it (Refresh in PageRegistry.h), never on other
// switches, so a page that holds unsaved input keeps it.
class RefreshablePage
{
public:
    virtual ~RefreshablePage() = default;
    virtual void refresh() = 0;
};

} // namespace pelinor
