// The pages of the system settings: accounts, roles, backup and the password change.
#include "gui/admin/CMmglDlg.h"
#include "gui/admin/CYysCreatDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/widgets/CNoticePage.h"

namespace pelinor {

namespace {

void tourAccountDialog(TourContext& tour)
{
    CYysCreatDlg account(QStringLiteral("admin"), &tour.mainWindow());
    tour.save(&account, QStringLiteral("dialog-account"));
}

// clang-format off
const PageRegistrar adminPages({
    { .id = PageId::Accounts, .title = "营养师管理", .className = "CYysglDlg", .hub = PageId::SettingsHub,
      .permission = "C41", .picture = ":/skin/sym-people.svg", .stripPosition = 0,
      .create = [] { return new CYysglDlg; },
      .tour = {
          { "settings-accounts" },
          { "dialog-account", tourAccountDialog },
      } },
    // Notice pages until the screens are built: CQxglDlg, CSjkglDlg.
    { .id = PageId::Roles, .title = "权限管理", .className = "CQxglDlg", .hub = PageId::SettingsHub,
      .permission = "C42", .picture = ":/skin/sym-key.svg", .stripPosition = 1, .homeTile = 10,
      .create = [] { return new CNoticePage("权限管理"); },
      .tour = { { "settings-roles" } } },
    { .id = PageId::Backup, .title = "数据库备份", .className = "CSjkglDlg", .hub = PageId::SettingsHub,
      .permission = "C43", .picture = ":/skin/sym-database.svg", .stripPosition = 2, .homeTile = 9,
      .create = [] { return new CNoticePage("数据库备份"); },
      .tour = { { "settings-backup" } } },
    { .id = PageId::PasswordChange, .title = "密码修改", .className = "CMmglDlg", .hub = PageId::SettingsHub,
      .permission = "C44", .picture = ":/skin/sym-lock.svg", .stripPosition = 3, .homeTile = 8,
      .create = [] { return new CMmglDlg; },
      .tour = { { "settings-password" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
