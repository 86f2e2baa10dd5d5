#include "../../core/admin/AdminTestSupport.h"
#include "../GuiTestSupport.h"
#include "core/admin/Backups.h"
#include "gui/admin/CQxglDlg.h"
#include "gui/admin/CSjkglDlg.h"
#include "gui/admin/CYysAddDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/navigation/PageRegistry.h"
#include "gui/records/CBjSetDlg.h"
#include "gui/shell/CHubPage.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/StringConversion.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <filesystem>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

void click(QWidget* page, const char* button)
{
    auto* found = page->findChild<CPictureButton*>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

int rowOf(const CListCtrlCl* list, const QString& text, int column)
{
    return static_cast<int>(test::column(list, column).indexOf(text));
}

QString ticked(const CQxglDlg& page)
{
    QStringList codes;
    for (const QString& code : page.permissionCodes()) {
        if (page.permissionBox(code)->isChecked()) {
            codes << code;
        }
    }
    return codes.join(' ');
}

class RolesPageTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'厨师','C31；C32');"
                + test::accountRow(5, "cook", "pw", "2026-01-02", "厨师", "启用", "李师傅", ""));
    }
};

TEST_F(RolesPageTest, AddARoleTickItsPermissionsSaveAndReadThemBack)
{
    test::logInAs("admin", "vanto");
    CQxglDlg page;
    EXPECT_EQ(test::column(page.list(), 0), QStringList({ "0", "1" }));
    EXPECT_EQ(test::column(page.list(), 1), QStringList({ "超级管理员", "厨师" }));
    EXPECT_EQ(ticked(page), ""); // nothing selected yet

    // An empty name is refused and the dialog stays open for a real one.
    test::whenModal<CYysAddDlg>([this](CYysAddDlg* dialog) {
        dialog->accept();
        EXPECT_EQ(m_prompts->lastText(), "角色名称不能为空！");
        EXPECT_TRUE(dialog->isVisible());
        dialog->nameEdit()->setText("保健医生");
        dialog->accept();
    });
    click(&page, "addRoleButton");
    EXPECT_EQ(page.list()->itemText(0, 0), "2");
    EXPECT_EQ(page.list()->itemText(0, 1), "保健医生");
    EXPECT_EQ(page.list()->selectedRow(), 0);
    EXPECT_EQ(ticked(page), "");

    for (const char* code : { "C44", "C21", "C02" }) {
        page.permissionBox(code)->click();
    }
    click(&page, "saveButton");
    EXPECT_EQ(m_prompts->lastText(), "保存成功！");
    EXPECT_EQ(m_prompts->lastCaption(), "Pelinor");
    EXPECT_EQ(test::sysManagerText("SELECT RolseContain FROM ManageRolse WHERE RolseID = 2", 0), "C02；C21；C44");

    // Ticks that were not saved go when another role is selected.
    page.permissionBox("C01")->click();
    page.list()->selectRow(rowOf(page.list(), "厨师", 1));
    EXPECT_EQ(ticked(page), "C31 C32");

    CQxglDlg reopened;
    reopened.list()->selectRow(rowOf(reopened.list(), "保健医生", 1));
    EXPECT_EQ(ticked(reopened), "C02 C21 C44");
    reopened.list()->selectRow(rowOf(reopened.list(), "超级管理员", 1));
    EXPECT_EQ(ticked(reopened).count('C'), 19);
}

TEST_F(RolesPageTest, RenameFollowsTheAccountsAndDeleteKeepsRolesInUse)
{
    test::logInAs("cook", "pw");
    CQxglDlg page;
    page.list()->selectRow(rowOf(page.list(), "厨师", 1));
    test::whenModal<CYysAddDlg>([](CYysAddDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "角色");
        EXPECT_EQ(dialog->nameEdit()->text(), "厨师");
        dialog->nameEdit()->setText("主厨");
        dialog->accept();
    });
    click(&page, "editRoleButton");
    EXPECT_EQ(page.list()->itemText(1, 1), "主厨");
    EXPECT_EQ(test::sysManagerText("SELECT ManageRolse FROM Management WHERE ManageUser = 'cook'", 0), "主厨");
    EXPECT_EQ(Session::currentUser().roleName, "主厨"); // the one logged in keeps their permissions

    const struct
    {
        const char* role;
        bool confirm;
        const char* message; // "" for none
        int rowsAfter;
    } deletes[] = {
        { "主厨", true, "该角色正在使用，不能删除！", 2 },
        { "超级管理员", true, "不能删除内置角色！", 2 },
        { "主厨", false, "", 2 },
    };
    for (const auto& d : deletes) {
        m_prompts->clear();
        page.list()->selectRow(rowOf(page.list(), d.role, 1));
        m_prompts->queueAnswer(d.confirm);
        click(&page, "deleteRoleButton");
        EXPECT_EQ(m_prompts->texts().value(0), "确定要删除吗？") << d.role;
        EXPECT_EQ(m_prompts->texts().value(1), d.message) << d.role;
        EXPECT_EQ(page.list()->rowCount(), d.rowsAfter) << d.role;
    }
    m_folder.exec(SysManagerDb, "DELETE FROM Management WHERE ManageUser = 'cook'");
    page.list()->selectRow(rowOf(page.list(), "主厨", 1));
    click(&page, "deleteRoleButton");
    EXPECT_EQ(test::column(page.list(), 1), QStringList({ "超级管理员" }));
    EXPECT_EQ(page.list()->selectedRow(), 0);
}

// The boxes are the codes the program's buttons check: every page the registry guards has its box,
// labelled with the page's title, and the other boxes are the archive and plan lists' own codes.
TEST_F(RolesPageTest, TheBoxesAreTheCodesThePagesAreGuardedWith)
{
    CQxglDlg page;
    QStringList guarded;
    for (const PageRegistration& row : PageRegistry::rows()) {
        if (row.permission.isEmpty()) {
            continue;
        }
        guarded << row.permission;
        ASSERT_NE(page.permissionBox(row.permission), nullptr) << row.permission.toStdString();
        EXPECT_EQ(page.permissionBox(row.permission)->text(), row.title) << row.permission.toStdString();
    }
    QStringList own = page.permissionCodes();
    for (const QString& code : guarded) {
        own.removeAll(code);
    }
    EXPECT_EQ(own, QStringList({ "C01", "C02", "C03", "C04", "C11", "C12", "C13", "C14" }));
    EXPECT_EQ(page.permissionCodes().size(), 19);

    QStringList groups;
    for (const QGroupBox* group : page.findChildren<QGroupBox*>()) {
        groups << group->title() + QString::number(group->findChildren<QCheckBox*>().size());
    }
    EXPECT_EQ(groups, QStringList({ "营养档案4", "营养配餐4", "信息管理4", "食谱管理3", "系统设置4" }));
}

// What one settings page changes shows on the others of the main window: a renamed role in the
// account list, and a set made by the nightly job in the backup list once it is opened again.
TEST_F(RolesPageTest, TheOtherSettingsPagesShowWhatChanged)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    auto* roles = window.pageAs<CQxglDlg>(PageId::Roles);
    auto* accounts = window.pageAs<CYysglDlg>(PageId::Accounts);
    auto* backups = window.pageAs<CSjkglDlg>(PageId::Backup);
    ASSERT_TRUE(roles && accounts && backups);
    const int cook = rowOf(accounts->list(), "cook", 0);
    ASSERT_GE(cook, 0);
    ASSERT_EQ(accounts->list()->itemText(cook, 4), "厨师");

    roles->list()->selectRow(rowOf(roles->list(), "厨师", 1));
    test::whenModal<CYysAddDlg>([](CYysAddDlg* dialog) {
        dialog->nameEdit()->setText("主厨");
        dialog->accept();
    });
    click(roles, "editRoleButton");
    EXPECT_EQ(accounts->list()->itemText(rowOf(accounts->list(), "cook", 0), 4), "主厨");

    ASSERT_EQ(backups->list()->rowCount(), 0);
    ASSERT_TRUE(Backups::backup("nightly").ok());
    ASSERT_TRUE(window.hub(PageId::SettingsHub)->openFromButton(PageId::Backup));
    ASSERT_EQ(backups->list()->rowCount(), 1);
    EXPECT_EQ(backups->list()->itemText(0, 1), "nightly");
}

class BackupPageTest : public test::GuiTest
{
protected:
    static std::string className()
    {
        CppSQLite3DB db;
        db.open(GetDatabasePath(RecordDb));
        return db.execQuery("SELECT ClassName FROM ClassInfo ORDER BY rowid").getStringField(0);
    }
};

TEST_F(BackupPageTest, BackUpRestoreAndDeleteThroughThePage)
{
    test::logInAs("admin", "vanto");
    CLumarooDlg window;
    auto* page = window.pageAs<CSjkglDlg>(PageId::Backup);
    auto* classes = window.pageAs<CBjSetDlg>(PageId::Classes);
    ASSERT_TRUE(page && classes);
    const QString firstClass = classes->classList()->itemText(0, 0);
    ASSERT_FALSE(firstClass.isEmpty());

    m_prompts->queueAnswer(false);
    click(page, "backupButton");
    EXPECT_EQ(page->list()->rowCount(), 0);
    click(page, "backupButton");
    EXPECT_EQ(m_prompts->texts(), QStringList({ "您确定要备份？", "您确定要备份？", "数据库备份成功！" }));
    EXPECT_EQ(m_prompts->lastCaption(), "系统提示");
    ASSERT_EQ(page->list()->rowCount(), 1);
    EXPECT_EQ(page->list()->itemText(0, 0), "1");
    EXPECT_EQ(page->list()->itemText(0, 1), "admin");
    EXPECT_TRUE(page->list()->itemText(0, 2).contains("日    ")) << page->list()->itemText(0, 2).toStdString();

    // A class renamed after the backup, and shown so on the class page.
    m_folder.exec(RecordDb, "UPDATE ClassInfo SET ClassName = '改过的班' WHERE rowid = 1");
    classes->refresh();
    ASSERT_EQ(classes->classList()->itemText(0, 0), "改过的班");

    m_prompts->clear();
    page->list()->clearSelection();
    click(page, "restoreButton");
    EXPECT_EQ(m_prompts->lastText(), "请选择还原对象!");
    page->list()->selectRow(0);
    m_prompts->queueAnswer(false);
    click(page, "restoreButton");
    EXPECT_EQ(className(), "改过的班");
    click(page, "restoreButton");
    EXPECT_EQ(m_prompts->lastText(), "数据库还原成功！");
    EXPECT_EQ(qs(className()), firstClass);
    EXPECT_EQ(classes->classList()->itemText(0, 0), firstClass); // the open page shows the restored data

    m_prompts->clear();
    page->list()->selectRow(0);
    m_prompts->queueAnswer(true);
    click(page, "deleteButton");
    EXPECT_EQ(m_prompts->texts(), QStringList({ "备份删除将无法找到，您确定要删除吗？" }));
    EXPECT_EQ(page->list()->rowCount(), 0);
    const auto folder = std::filesystem::path(m_folder.path()).parent_path().parent_path() / "BFWJ";
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

} // namespace
