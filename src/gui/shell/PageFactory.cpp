#include "gui/shell/PageFactory.h"

#include "gui/admin/CMmglDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/library/CCookMageDlg.h"
#include "gui/library/CFoodMageDlg.h"
#include "gui/records/CBjPerSonDlg.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/records/CYydaCjDlg.h"
#include "gui/records/CYydaDisplayDlg.h"
#include "gui/shell/CNoticePage.h"
#include "gui/shell/CWelcomePage.h"

namespace pelinor {

namespace {

QWidget* notice(PageId page)
{
    return new CNoticePage(pageTitle(page));
}

} // namespace

// One line per page: replace `notice(page)` by the page's own class when its module is built.
QWidget* createModulePage(PageId page, CLumarooDlg* mainWindow)
{
    // clang-format off
    switch (page) {
    // Pages of the content area.
    case PageId::ArchiveList: return new CYydaCjDlg(mainWindow);
    case PageId::PlanList: return notice(page); // CYypcDlg
    case PageId::PlanSetup: return notice(page); // CYypcDhDlg
    case PageId::MenuView: return notice(page); // CYypcViewDlg
    case PageId::Analysis: return notice(page); // CYypcFxDlg
    case PageId::ArchiveEntry: return new CYydaAddDlg(mainWindow);
    case PageId::ArchiveDisplay: return new CYydaDisplayDlg(mainWindow);
    case PageId::PlanEditor: return notice(page); // CYypcAddDlg
    case PageId::Knowledge: return notice(page); // CYysZsDlg

    // Information hub.
    case PageId::Health: return notice(page); // CHealthDlg
    case PageId::Attendance: return notice(page); // CKqglDlg
    case PageId::Immunisation: return notice(page); // CWsmyDlg
    case PageId::Classes: return new CBjSetDlg(mainWindow);
    case PageId::PurchaseList: return notice(page); // CCgqdDlg
    case PageId::VaccineList: return notice(page); // CMyymDlg
    case PageId::ClassMembers: return new CBjPerSonDlg(mainWindow);
    case PageId::InfoWelcome: return new CWelcomePage(QStringLiteral(":/skin/welcome-info.svg"), QStringLiteral("信息管理：健康体检、卫生免疫、班级管理、考勤管理、采购清单"));

    // Recipe hub.
    case PageId::Foods: return new CFoodMageDlg; // CFoodMageDlg
    case PageId::Dishes: return new CCookMageDlg; // CCookMageDlg
    case PageId::SetMeals: return notice(page); // CPackageDlg
    case PageId::MealTimeDishes: return notice(page); // CCptjDlg
    case PageId::RecipeWelcome: return new CWelcomePage(QStringLiteral(":/skin/welcome-recipe.svg"), QStringLiteral("食谱管理：原料、菜肴、套餐与餐次菜肴"));

    // System-settings hub.
    case PageId::Accounts: return new CYysglDlg;
    case PageId::Roles: return notice(page); // CQxglDlg
    case PageId::Backup: return notice(page); // CSjkglDlg
    case PageId::PasswordChange: return new CMmglDlg;
    case PageId::SettingsWelcome: return new CWelcomePage(QStringLiteral(":/skin/welcome-settings.svg"), QStringLiteral("系统设置：营养师、权限、数据库备份与密码"));

    // Built by the main window itself.
    case PageId::InfoHub:
    case PageId::RecipeHub:
    case PageId::SettingsHub:
    case PageId::CenterHub:
        break;
    }
    // clang-format on
    return nullptr;
}

} // namespace pelinor
