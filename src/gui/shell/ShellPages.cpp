// The shell's own pages: the home page, the three hubs and their welcome pictures.
#include "gui/navigation/PageRegistry.h"
#include "gui/shell/CAboutDlg.h"
#include "gui/shell/CCenterDlg.h"
#include "gui/shell/CHelpDlg.h"
#include "gui/shell/CInfoMageDlg.h"
#include "gui/shell/CRecipeDlg.h"
#include "gui/shell/CWelcomePage.h"
#include "gui/shell/CXtszDlg.h"

namespace pelinor {

namespace {

template <typename Dialog> std::function<void(TourContext&)> dialogPicture(const QString& name)
{
    return [name](TourContext& tour) {
        Dialog shown(&tour.mainWindow());
        tour.save(&shown, name);
    };
}

// clang-format off
const PageRegistrar shellPages({
    { .id = PageId::InfoHub, .title = "信息管理", .className = "CInfoMageDlg", .hub = PageId::InfoHub,
      .create = [] { return new CInfoMageDlg; },
      .tour = { { "page-02-information" } } },
    { .id = PageId::RecipeHub, .title = "食谱管理", .className = "CRecipeDlg", .hub = PageId::RecipeHub,
      .create = [] { return new CRecipeDlg; },
      .tour = { { "page-03-recipes" } } },
    { .id = PageId::SettingsHub, .title = "系统设置", .className = "CXtszDlg", .hub = PageId::SettingsHub,
      .create = [] { return new CXtszDlg; },
      .tour = { { "page-04-settings" } } },
    { .id = PageId::CenterHub, .title = "首页", .className = "CCenterDlg", .hub = PageId::CenterHub,
      .create = [] { return new CCenterDlg; },
      .tour = {
          { "main-home" },
          { "dialog-about", dialogPicture<CAboutDlg>("dialog-about") },
          { "dialog-help", dialogPicture<CHelpDlg>("dialog-help") },
      } },
    { .id = PageId::InfoWelcome, .title = "信息管理", .className = "CInfoMationSyDlg", .hub = PageId::InfoHub,
      .create = [] { return new CWelcomePage(":/skin/welcome-info.svg", "信息管理：健康体检、卫生免疫、班级管理、考勤管理、采购清单"); } },
    { .id = PageId::RecipeWelcome, .title = "食谱管理", .className = "CRecipeSyDlg", .hub = PageId::RecipeHub,
      .create = [] { return new CWelcomePage(":/skin/welcome-recipe.svg", "食谱管理：原料、菜肴、套餐与餐次菜肴"); } },
    { .id = PageId::SettingsWelcome, .title = "系统设置", .className = "CXtszSyDlg", .hub = PageId::SettingsHub,
      .create = [] { return new CWelcomePage(":/skin/welcome-settings.svg", "系统设置：营养师、权限、数据库备份与密码"); } },
});
// clang-format on

} // namespace

} // namespace pelinor
