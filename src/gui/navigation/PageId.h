#pragma once

#include <QList>
#include <optional>

namespace pelinor {

// Every page of the main window. The numbered pages keep their page numbers (GetPage); the
// knowledge page has no number; hub sub-pages are numbered per hub from 200, 300 and 400.
enum class PageId : int
{
    ArchiveList = 0, // CYydaCjDlg, child archive list
    PlanList = 1, // CYypcDlg, meal plan list
    InfoHub = 2, // CInfoMageDlg
    RecipeHub = 3, // CRecipeDlg
    SettingsHub = 4, // CXtszDlg
    CenterHub = 5, // CCenterDlg, the home page
    PlanSetup = 7, // CYypcDhDlg
    MenuView = 9, // CYypcViewDlg
    Analysis = 10, // CYypcFxDlg
    ArchiveEntry = 11, // CYydaAddDlg
    ArchiveDisplay = 12, // CYydaDisplayDlg
    PlanEditor = 13, // CYypcAddDlg
    Knowledge = 100, // CYysZsDlg, no page number

    // Sub-pages of the information hub.
    Health = 200, // CHealthDlg, physical examinations
    Attendance, // CKqglDlg
    Immunisation, // CWsmyDlg
    Classes, // CBjSetDlg
    PurchaseList, // CCgqdDlg
    VaccineList, // CMyymDlg
    ClassMembers, // CBjPerSonDlg
    InfoWelcome, // CInfoMationSyDlg, the hub's welcome picture

    // Sub-pages of the recipe hub.
    Foods = 300, // CFoodMageDlg
    Dishes, // CCookMageDlg
    SetMeals, // CPackageDlg
    MealTimeDishes, // CCptjDlg
    RecipeWelcome, // CRecipeSyDlg

    // Sub-pages of the system-settings hub.
    Accounts = 400, // CYysglDlg
    Roles, // CQxglDlg
    Backup, // CSjkglDlg
    PasswordChange, // CMmglDlg
    SettingsWelcome, // CXtszSyDlg
};

// Every page id in ascending order; each one is registered exactly once (see PageRegistry).
const QList<PageId>& allPageIds();
// The numbered pages in page-number order (6 and 8 name no page).
QList<PageId> numberedPages();
// The page with a page number, if the number names one.
std::optional<PageId> pageWithNumber(int number);
// The three hubs with a strip of buttons (the home page is not one of them).
bool isHub(PageId page);
// The welcome picture of a hub.
PageId welcomePageOf(PageId hub);

} // namespace pelinor
