#include "gui/shell/PageId.h"

namespace pelinor {

QList<PageId> numberedPages()
{
    return { PageId::ArchiveList, PageId::PlanList, PageId::InfoHub, PageId::RecipeHub, PageId::SettingsHub,
        PageId::CenterHub, PageId::PlanSetup, PageId::MenuView, PageId::Analysis, PageId::ArchiveEntry,
        PageId::ArchiveDisplay, PageId::PlanEditor };
}

QList<PageId> subPagesOf(PageId hub)
{
    switch (hub) {
    case PageId::InfoHub:
        return { PageId::Health, PageId::Attendance, PageId::Immunisation, PageId::Classes, PageId::PurchaseList,
            PageId::VaccineList, PageId::ClassMembers, PageId::InfoWelcome };
    case PageId::RecipeHub:
        return { PageId::Foods, PageId::Dishes, PageId::SetMeals, PageId::MealTimeDishes, PageId::RecipeWelcome };
    case PageId::SettingsHub:
        return { PageId::Accounts, PageId::Roles, PageId::Backup, PageId::PasswordChange, PageId::SettingsWelcome };
    default:
        return {};
    }
}

std::optional<PageId> hubOf(PageId page)
{
    const int value = static_cast<int>(page);
    if (value >= 200 && value < 300) {
        return PageId::InfoHub;
    }
    if (value >= 300 && value < 400) {
        return PageId::RecipeHub;
    }
    if (value >= 400 && value < 500) {
        return PageId::SettingsHub;
    }
    return std::nullopt;
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

bool isHub(PageId page)
{
    return page == PageId::InfoHub || page == PageId::RecipeHub || page == PageId::SettingsHub;
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

QString pageTitle(PageId page)
{
    switch (page) {
    case PageId::ArchiveList:
        return QStringLiteral("营养档案");
    case PageId::PlanList:
        return QStringLiteral("营养配餐");
    case PageId::InfoHub:
        return QStringLiteral("信息管理");
    case PageId::RecipeHub:
        return QStringLiteral("食谱管理");
    case PageId::SettingsHub:
        return QStringLiteral("系统设置");
    case PageId::CenterHub:
        return QStringLiteral("首页");
    case PageId::PlanSetup:
        return QStringLiteral("配餐向导");
    case PageId::MenuView:
        return QStringLiteral("食谱查看");
    case PageId::Analysis:
        return QStringLiteral("营养分析");
    case PageId::ArchiveEntry:
        return QStringLiteral("档案录入");
    case PageId::ArchiveDisplay:
        return QStringLiteral("档案显示");
    case PageId::PlanEditor:
        return QStringLiteral("配餐编辑");
    case PageId::Knowledge:
        return QStringLiteral("营养知识");
    case PageId::Health:
        return QStringLiteral("健康体检");
    case PageId::Attendance:
        return QStringLiteral("考勤管理");
    case PageId::Immunisation:
        return QStringLiteral("卫生免疫");
    case PageId::Classes:
        return QStringLiteral("班级管理");
    case PageId::PurchaseList:
        return QStringLiteral("采购清单");
    case PageId::VaccineList:
        return QStringLiteral("疫苗管理");
    case PageId::ClassMembers:
        return QStringLiteral("班级成员");
    case PageId::InfoWelcome:
        return QStringLiteral("信息管理");
    case PageId::Foods:
        return QStringLiteral("原料管理");
    case PageId::Dishes:
        return QStringLiteral("食谱管理");
    case PageId::SetMeals:
        return QStringLiteral("套餐管理");
    case PageId::MealTimeDishes:
        return QStringLiteral("餐次菜肴");
    case PageId::RecipeWelcome:
        return QStringLiteral("食谱管理");
    case PageId::Accounts:
        return QStringLiteral("营养师管理");
    case PageId::Roles:
        return QStringLiteral("权限管理");
    case PageId::Backup:
        return QStringLiteral("数据库备份");
    case PageId::PasswordChange:
        return QStringLiteral("密码修改");
    case PageId::SettingsWelcome:
        return QStringLiteral("系统设置");
    }
    return QString();
}

QString pageClassName(PageId page)
{
    switch (page) {
    case PageId::ArchiveList:
        return QStringLiteral("CYydaCjDlg");
    case PageId::PlanList:
        return QStringLiteral("CYypcDlg");
    case PageId::InfoHub:
        return QStringLiteral("CInfoMageDlg");
    case PageId::RecipeHub:
        return QStringLiteral("CRecipeDlg");
    case PageId::SettingsHub:
        return QStringLiteral("CXtszDlg");
    case PageId::CenterHub:
        return QStringLiteral("CCenterDlg");
    case PageId::PlanSetup:
        return QStringLiteral("CYypcDhDlg");
    case PageId::MenuView:
        return QStringLiteral("CYypcViewDlg");
    case PageId::Analysis:
        return QStringLiteral("CYypcFxDlg");
    case PageId::ArchiveEntry:
        return QStringLiteral("CYydaAddDlg");
    case PageId::ArchiveDisplay:
        return QStringLiteral("CYydaDisplayDlg");
    case PageId::PlanEditor:
        return QStringLiteral("CYypcAddDlg");
    case PageId::Knowledge:
        return QStringLiteral("CYysZsDlg");
    case PageId::Health:
        return QStringLiteral("CHealthDlg");
    case PageId::Attendance:
        return QStringLiteral("CKqglDlg");
    case PageId::Immunisation:
        return QStringLiteral("CWsmyDlg");
    case PageId::Classes:
        return QStringLiteral("CBjSetDlg");
    case PageId::PurchaseList:
        return QStringLiteral("CCgqdDlg");
    case PageId::VaccineList:
        return QStringLiteral("CMyymDlg");
    case PageId::ClassMembers:
        return QStringLiteral("CBjPerSonDlg");
    case PageId::InfoWelcome:
        return QStringLiteral("CInfoMationSyDlg");
    case PageId::Foods:
        return QStringLiteral("CFoodMageDlg");
    case PageId::Dishes:
        return QStringLiteral("CCookMageDlg");
    case PageId::SetMeals:
        return QStringLiteral("CPackageDlg");
    case PageId::MealTimeDishes:
        return QStringLiteral("CCptjDlg");
    case PageId::RecipeWelcome:
        return QStringLiteral("CRecipeSyDlg");
    case PageId::Accounts:
        return QStringLiteral("CYysglDlg");
    case PageId::Roles:
        return QStringLiteral("CQxglDlg");
    case PageId::Backup:
        return QStringLiteral("CSjkglDlg");
    case PageId::PasswordChange:
        return QStringLiteral("CMmglDlg");
    case PageId::SettingsWelcome:
        return QStringLiteral("CXtszSyDlg");
    }
    return QString();
}

} // namespace pelinor
