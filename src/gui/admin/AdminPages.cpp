// The pages of the system settings: accounts, roles, backup and the password change.
#include "core/admin/Backups.h"
#include "gui/admin/CMmglDlg.h"
#include "gui/admin/CQxglDlg.h"
#include "gui/admin/CSjkglDlg.h"
#include "gui/admin/CYysAddDlg.h"
#include "gui/admin/CYysCreatDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/session/Session.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <filesystem>

namespace pelinor {

namespace {

void tourAccountDialog(TourContext& tour)
{
    CYysCreatDlg account(QStringLiteral("admin"), &tour.mainWindow());
    tour.save(&account, QStringLiteral("dialog-account"));
}

// The role page with a role other than the built-in one selected, so its ticks show.
void tourRoles(TourContext& tour)
{
    if (auto* page = navigator().pageAs<CQxglDlg>(PageId::Roles)) {
        page->list()->selectRow(page->list()->rowCount() > 1 ? 1 : 0);
    }
    tour.savePage(PageId::Roles, QStringLiteral("settings-roles"));
}

void tourRoleDialog(TourContext& tour)
{
    CYysAddDlg dialog(2, QStringLiteral("保健医生"), &tour.mainWindow());
    tour.save(&dialog, QStringLiteral("dialog-role"));
}

// The backup page with two sets, made for the picture and deleted again afterwards.
void tourBackup(TourContext& tour)
{
    std::error_code ignored;
    const bool hadFolder = std::filesystem::exists(Backups::folder(), ignored);
    std::vector<int> made;
    runDatabaseWork([&] {
        for (int i = 0; i < 2; ++i) {
            const auto set
                = Backups::backup(Session::currentUser().userName.empty() ? "admin" : Session::currentUser().userName);
            if (set.ok()) {
                made.push_back(set->id);
            }
        }
    });
    auto* page = navigator().pageAs<CSjkglDlg>(PageId::Backup);
    if (page) {
        page->fill();
        page->list()->selectRow(0);
    }
    tour.savePage(PageId::Backup, QStringLiteral("settings-backup"));
    runDatabaseWork([&] {
        for (const int id : made) {
            Backups::remove(id);
        }
    });
    if (!hadFolder) {
        std::filesystem::remove(Backups::folder(), ignored); // only when empty
    }
    if (page) {
        page->fill();
    }
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
    { .id = PageId::Roles, .title = "权限管理", .className = "CQxglDlg", .hub = PageId::SettingsHub,
      .permission = "C42", .picture = ":/skin/sym-key.svg", .stripPosition = 1, .homeTile = 10,
      .create = [] { return new CQxglDlg; },
      .tour = {
          { "settings-roles", tourRoles },
          { "dialog-role", tourRoleDialog },
      } },
    { .id = PageId::Backup, .title = "数据库备份", .className = "CSjkglDlg", .hub = PageId::SettingsHub,
      .permission = "C43", .picture = ":/skin/sym-database.svg", .stripPosition = 2, .homeTile = 9,
      .refresh = Refresh::FromHub | Refresh::FromHome, // shows the sets a nightly job made meanwhile
      .create = [] { return new CSjkglDlg; },
      .tour = { { "settings-backup", tourBackup } } },
    { .id = PageId::PasswordChange, .title = "密码修改", .className = "CMmglDlg", .hub = PageId::SettingsHub,
      .permission = "C44", .picture = ":/skin/sym-lock.svg", .stripPosition = 3, .homeTile = 8,
      .create = [] { return new CMmglDlg; },
      .tour = { { "settings-password" } } },
});
// clang-format on

} // namespace

} // namespace pelinor
