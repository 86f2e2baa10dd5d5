#pragma once

#include "gui/navigation/PageId.h"
#include "gui/navigation/TourContext.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QWidget;

namespace pelinor {

// When the shell reloads a page (RefreshablePage::refresh) before it shows it: only where the
// navigation asks for it, never on other switches, so a page that holds unsaved input keeps it.
enum class Refresh : unsigned
{
    Never = 0,
    FromNavigationBar = 1, // its button of the navigation bar
    FromHome = 2, // its tile on the home page
    FromHub = 4, // its button in its hub's strip
};

constexpr Refresh operator|(Refresh a, Refresh b)
{
    return static_cast<Refresh>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr bool refreshes(Refresh policy, Refresh from)
{
    return (static_cast<unsigned>(policy) & static_cast<unsigned>(from)) != 0;
}

// One page of the main window: everything the shell needs to build it, place it, guard it and
// show it in the tour. Each subsystem registers its own pages from its own folder (one
// `PageRegistrar` in a file such as gui/records/RecordsPages.cpp); the shell reads the rows and
// knows no page class.
struct PageRegistration
{
    PageId id;
    QString title; // the Chinese title: buttons, the tour
    QString className; // the class that implements the page, as the program's developers call it
    // Where the page belongs: the hub whose strip and stack hold it (information, recipes,
    // settings), or the page of the navigation bar that is lit while it is shown (the archive list
    // for the archive pages, the plan list for the plan pages, the home page for the knowledge
    // page). The six pages of the navigation bar belong to themselves.
    PageId hub;
    QString permission = {}; // the role's code that opens it (C21 ...); empty: free
    QString picture = {}; // the symbol of its hub button and home tile (":/skin/sym-food.svg")
    int stripPosition = -1; // its button in the hub's strip, 0 leftmost; -1: no button
    int homeTile = -1; // its tile on the home page, 0 to 10 row by row; -1: no tile
    Refresh refresh = Refresh::Never;
    // Makes the page; the main window calls it once and owns the page. A constructor must not reach
    // other pages (they may not exist yet).
    std::function<QWidget*()> create = {};
    std::vector<TourPicture> tour = {};

    // The page number (GetPage), for the pages that have one.
    std::optional<int> number() const;
    // True for a page the hub's stack holds (as opposed to a page of the content area).
    bool inHub() const;
};

// All registered pages. Filled while the program starts (static registrations), read afterwards.
class PageRegistry
{
public:
    static void add(PageRegistration row);

    // Every row in ascending id order (a page registered twice appears twice: see count()).
    static const std::vector<PageRegistration>& rows();
    // The row of a page (the first, should there be two); null when nobody registered it.
    static const PageRegistration* find(PageId id);
    static int count(PageId id);

    // The pages a hub's stack holds, in id order.
    static std::vector<PageId> subPagesOf(PageId hub);
    // The buttons of a hub's strip, leftmost first.
    static std::vector<const PageRegistration*> stripOf(PageId hub);
    // The pages with a tile on the home page, by tile position.
    static std::vector<const PageRegistration*> homeTiles();
    // The tour: the home page first, then the numbered pages, the knowledge page and each hub's
    // pages (strip buttons first); each page's pictures in the order it registered them.
    static std::vector<TourStep> tourSteps();
};

// A subsystem's registration: `const PageRegistrar pages({ { .id = ... }, ... });` at namespace
// scope in its pages file.
struct PageRegistrar
{
    PageRegistrar(std::initializer_list<PageRegistration> rows);
};

// Shortcuts over the registry for the shell and the tests.
QString pageTitle(PageId page);
QString pageClassName(PageId page);
// The pages a hub's stack holds; nothing for other pages.
std::vector<PageId> subPagesOf(PageId hub);
// The hub whose stack holds a page; nothing for pages of the content area.
std::optional<PageId> hubOf(PageId page);
// The tour in order.
std::vector<TourStep> tourSteps();

} // namespace pelinor
