#include "../core/admin/AdminTestSupport.h"
#include "GuiTestSupport.h"
#include "core/common/Clock.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/admin/CMmglDlg.h"
#include "gui/admin/CYysCreatDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/app/CLumarooApp.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class AccountScreensTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'保健医生','C21');"
                + test::accountRow(4, "nurse", "pw1", "2025-09-01", "保健医生", "启用", "王老师", "123")
                + test::accountRow(7, "cook", "pw2", "2025-09-02", "保健医生", "停用", "李师傅", "456"));
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 3, 4 }));
    }

    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }

    static std::string column(const std::string& user, int position)
    {
        return test::sysManagerText("SELECT * FROM Management WHERE ManageUser = '" + user + "'", position);
    }

    static int rowOf(CYysglDlg& page, const QString& user)
    {
        for (int row = 0; row < page.list()->rowCount(); ++row) {
            if (page.list()->itemText(row, 0) == user) {
                return row;
            }
        }
        return -1;
    }
};

TEST_F(AccountScreensTest, TheListShowsEveryAccountWithTheDateOfItsLastSave)
{
    test::logInAs("admin", "vanto");
    CYysglDlg page;
    ASSERT_EQ(page.list()->rowCount(), 3);
    ASSERT_EQ(page.list()->columnCount(), 6);
    const int nurse = rowOf(page, "nurse");
    EXPECT_EQ(page.list()->itemText(nurse, 1), "王老师");
    EXPECT_EQ(page.list()->itemText(nurse, 2), "2025-09-01");
    EXPECT_EQ(page.list()->itemText(nurse, 3), "123");
    EXPECT_EQ(page.list()->itemText(nurse, 4), "保健医生");
    EXPECT_EQ(page.list()->itemText(nurse, 5), "启用");

    page.list()->selectRow(nurse);
    test::whenModal<CYysCreatDlg>([](CYysCreatDlg* dialog) {
        EXPECT_TRUE(dialog->isEditMode());
        EXPECT_TRUE(dialog->userNameEdit()->isReadOnly());
        EXPECT_EQ(dialog->roleBox()->currentText(), "保健医生");
        dialog->telephoneEdit()->setText("789");
        dialog->onOk();
    });
    page.onEdit();
    EXPECT_EQ(page.list()->itemText(rowOf(page, "nurse"), 2), "2026-03-04");
    EXPECT_EQ(page.list()->itemText(rowOf(page, "nurse"), 3), "789");
    EXPECT_EQ(column("nurse", 0), "4");
}

TEST_F(AccountScreensTest, ListActionsRefuseWithTheirMessages)
{
    test::logInAs("nurse", "pw1");
    CYysglDlg page;
    const struct
    {
        const char* user;
        void (CYysglDlg::*action)();
        const char* message;
    } cases[] = {
        { "cook", &CYysglDlg::onEdit, "该用户已经停用！" },
        { "nurse", &CYysglDlg::onToggleState, "该用户正在使用， 不能停用！" },
        { "admin", &CYysglDlg::onToggleState, "内置用户不能停用！" },
        { "admin", &CYysglDlg::onDelete, "不能删除内置用户！" },
        { "nurse", &CYysglDlg::onDelete, "不能删除正在登录的用户！" },
    };
    for (const auto& c : cases) {
        m_gui.prompts->clear();
        page.list()->selectRow(rowOf(page, c.user));
        (page.*c.action)();
        EXPECT_EQ(m_gui.prompts->texts().last(), QString::fromUtf8(c.message)) << c.user;
        EXPECT_EQ(m_gui.prompts->lastCaption(), "Pelinor");
    }
    EXPECT_EQ(test::sysManagerCount("Management"), 3);
    EXPECT_EQ(column("admin", 9), "启用");
    EXPECT_EQ(column("nurse", 9), "启用");

    // Without a selection nothing happens at all.
    page.list()->clearSelection();
    m_gui.prompts->clear();
    page.onDelete();
    page.onToggleState();
    page.onEdit();
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());
}

TEST_F(AccountScreensTest, DeleteAsksFirstAndEnableDisableFlipsTheState)
{
    test::logInAs("admin", "vanto");
    CYysglDlg page;
    page.list()->selectRow(rowOf(page, "cook"));
    page.onToggleState();
    EXPECT_EQ(column("cook", 9), "启用");
    EXPECT_EQ(page.list()->itemText(rowOf(page, "cook"), 5), "启用");

    m_gui.prompts->clear();
    m_gui.prompts->queueAnswer(false);
    page.list()->selectRow(rowOf(page, "nurse"));
    page.onDelete();
    ASSERT_EQ(m_gui.prompts->prompts().size(), 1);
    EXPECT_EQ(m_gui.prompts->prompts().first().kind, FakePrompter::Kind::Confirm);
    EXPECT_EQ(m_gui.prompts->lastText(), "确定要删除吗？");
    EXPECT_EQ(m_gui.prompts->lastCaption(), "系统提示");
    EXPECT_EQ(page.list()->rowCount(), 3);

    m_gui.prompts->queueAnswer(true);
    page.list()->selectRow(rowOf(page, "nurse"));
    page.onDelete();
    EXPECT_EQ(page.list()->rowCount(), 2);
    EXPECT_EQ(rowOf(page, "nurse"), -1);
}

TEST_F(AccountScreensTest, TheDialogForcesTheBuiltInAccountAndKeepsTheOwnOneEnabled)
{
    test::logInAs("nurse", "pw1");
    {
        CYysCreatDlg dialog("admin");
        dialog.show();
        dialog.stateBox()->setCurrentIndex(1);
        dialog.roleBox()->setCurrentIndex(1);
        dialog.passwordEdit()->setText("typed");
        dialog.confirmationEdit()->setText("typed");
        dialog.onOk();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(column("admin", 2), "vanto");
    EXPECT_EQ(column("admin", 8), "超级管理员");
    EXPECT_EQ(column("admin", 9), "启用");
    {
        CYysCreatDlg dialog("nurse");
        dialog.show();
        dialog.stateBox()->setCurrentIndex(1);
        dialog.onOk();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(column("nurse", 9), "启用");
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());
}

TEST_F(AccountScreensTest, ATakenNameKeepsTheDialogOpenWithAnEmptyNameField)
{
    test::logInAs("admin", "vanto");
    CYysCreatDlg dialog;
    dialog.show();
    EXPECT_FALSE(dialog.isEditMode());
    EXPECT_EQ(dialog.roleBox()->currentIndex(), -1);
    EXPECT_EQ(dialog.stateBox()->currentText(), "启用");

    dialog.userNameEdit()->setText("cook");
    dialog.passwordEdit()->setText("x");
    dialog.confirmationEdit()->setText("x");
    dialog.onOk();
    EXPECT_EQ(m_gui.prompts->lastText(), "营养师角色不能为空！");
    EXPECT_EQ(dialog.userNameEdit()->text(), "cook");

    dialog.roleBox()->setCurrentIndex(1);
    dialog.onOk();
    EXPECT_EQ(m_gui.prompts->lastText(), "该用户名已经存在，请重新添加！");
    EXPECT_EQ(m_gui.prompts->lastCaption(), "Pelinor");
    EXPECT_TRUE(dialog.userNameEdit()->text().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(test::sysManagerCount("Management"), 3);

    dialog.userNameEdit()->setText("helper");
    dialog.onOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(column("helper", 0), "8");
    EXPECT_EQ(column("helper", 8), "保健医生");
}

TEST_F(AccountScreensTest, EveryRoleIsOfferedEvenAfterAGapInTheNumbers)
{
    m_gui.folder.exec(SysManagerDb,
        "INSERT INTO ManageRolse VALUES(3,'厨师','C31');"
        "UPDATE Management SET ManageRolse = '厨师' WHERE ManageUser = 'nurse';");
    test::logInAs("admin", "vanto");
    CYysCreatDlg dialog("nurse");
    ASSERT_EQ(dialog.roleBox()->count(), 3);
    EXPECT_EQ(dialog.roleBox()->currentText(), "厨师");
}

TEST_F(AccountScreensTest, PasswordChangeRefusalsEmptyTheFields)
{
    test::logInAs("nurse", "pw1");
    CMmglDlg page;
    const struct
    {
        const char* old;
        const char* fresh;
        const char* confirmation;
        const char* message;
        const char* caption;
    } cases[] = {
        { "bad", "a", "a", "原始密码不正确", "系统提示" },
        { "pw1", "", "", "新密码不能为空！", "Pelinor" },
        { "pw1", "a", "b", "两次输入密码不同", "系统提示" },
    };
    for (const auto& c : cases) {
        page.oldPasswordEdit()->setText(QString::fromUtf8(c.old));
        page.newPasswordEdit()->setText(QString::fromUtf8(c.fresh));
        page.confirmationEdit()->setText(QString::fromUtf8(c.confirmation));
        page.onSave();
        EXPECT_EQ(m_gui.prompts->lastText(), QString::fromUtf8(c.message));
        EXPECT_EQ(m_gui.prompts->lastCaption(), QString::fromUtf8(c.caption));
        EXPECT_TRUE(page.oldPasswordEdit()->text().isEmpty());
        EXPECT_TRUE(page.newPasswordEdit()->text().isEmpty());
        EXPECT_TRUE(page.confirmationEdit()->text().isEmpty());
    }
    EXPECT_EQ(column("nurse", 2), "pw1");
    EXPECT_EQ(Session::currentUser().password, "pw1");
    EXPECT_FALSE(Session::reloginRequested());
}

// The whole round: log in, change the password, the main window closes, the login comes again,
// the new password works there, and closing the second main window ends the program.
TEST_F(AccountScreensTest, APasswordChangeLeadsToANewLogin)
{
    CLumarooApp app;
    int logins = 0;
    int mainWindows = 0;

    std::function<void(CLoginDlg*)> loginStep;
    loginStep = [&](CLoginDlg* dialog) {
        ++logins;
        dialog->userNameEdit()->setText("nurse");
        dialog->passwordEdit()->setText(logins == 1 ? "pw1" : "fresh");
        dialog->onLogin();
    };
    app.setLoginRunner([&] {
        CLoginDlg dialog;
        test::whenModal<CLoginDlg>(loginStep);
        return dialog.exec() == QDialog::Accepted;
    });
    app.setMainWindowRunner([&] {
        ++mainWindows;
        CLumarooDlg window;
        QTimer::singleShot(0, &window, [&window, &mainWindows] {
            if (mainWindows == 1) {
                auto* page = window.pageAs<CMmglDlg>(PageId::PasswordChange);
                window.showPage(PageId::PasswordChange);
                page->oldPasswordEdit()->setText("pw1");
                page->newPasswordEdit()->setText("fresh");
                page->confirmationEdit()->setText("fresh");
                QTest::mouseClick(page->findChild<QAbstractButton*>("saveButton"), Qt::LeftButton);
            } else {
                QTest::mouseClick(window.findChild<QAbstractButton*>("closeButton"), Qt::LeftButton);
            }
        });
        window.exec();
    });

    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(logins, 2);
    EXPECT_EQ(mainWindows, 2);
    EXPECT_EQ(m_gui.prompts->texts(), QStringList { "保存成功,请重新登录！" });
    EXPECT_EQ(column("nurse", 2), "fresh");
    EXPECT_EQ(Session::currentUser().password, "fresh");
    EXPECT_EQ(CLumarooDlg::mainWindow(), nullptr);
}

} // namespace
