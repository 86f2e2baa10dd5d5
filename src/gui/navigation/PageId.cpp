#include "gui/navigation/PageId.h"

namespace pelinor {

namespace {

// Below this value an id is the page's number.
constexpr int kFirstUnnumbered = 100;

} // namespace

const QList<PageId>& allPageIds()
{
    static const QList<PageId> ids = { PageId::ArchiveList, PageId::PlanList, PageId::InfoHub, PageId::RecipeHub,
        PageId::SettingsHub, PageId::CenterHub, PageId::PlanSetup, PageId::MenuView, PageId::Analysis,
        PageId::ArchiveEntry, PageId::ArchiveDisplay, PageId::PlanEditor, PageId::Knowledge, PageId::Health,
        PageId::Attendance, PageId::Immunisation, PageId::Classes, PageId::PurchaseList, PageId::VaccineList,
        PageId::ClassMembers, PageId::InfoWelcome, PageId::Foods, PageId::Dishes, PageId::SetMeals,
        PageId::MealTimeDishes, PageId::RecipeWelcome, PageId::Accounts, PageId::Roles, PageId::Backup,
        PageId::PasswordChange, PageId::SettingsWelcome };
    return ids;
}

QList<PageId> numberedPages()
{
    QList<PageId> numbered;
    for (PageId page : allPageIds()) {
        if (static_cast<int>(page) < kFirstUnnumbered) {
            numbered.append(page);
        }
    }
    return numbered;
}

std::optional<PageId> pageWithNumber(int number)
{
    for (PageId page : numberedPages()) {
        if (static_cast<int>(page) == number) {
            return page;
        }
    }
    return std::nullopt;
}

bool isHub(PageId page)
{
    return page == PageId::InfoHub || page == PageId::RecipeHub || page == PageId::SettingsHub;
}

PageId welcomePageOf(PageId hub)
{
    switch (hub) {
    case PageId::InfoHub:
        return PageId::InfoWelcome;
    case PageId::RecipeHub:
        return PageId::RecipeWelcome;
    default:
        return PageId::SettingsWelcome;
    }
}

} // namespace pelinor
