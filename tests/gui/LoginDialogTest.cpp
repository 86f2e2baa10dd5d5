#include "GuiTestSupport.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/app/CLumarooApp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class LoginDialogTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb, test::accountRow(1, "cook", "pw2", "2026-02-01", "厨师", "停用", "李师傅", ""));
    }
};

TEST_F(LoginDialogTest, EveryRefusalClearsBothFieldsAndKeepsTheDialogOpen)
{
    const struct
    {
        const char* user;
        const char* password;
        const char* message;
    } cases[] = {
        { "", "vanto", "用户名不能为空！" },
        { "admin", "", "密码不能为空！" },
        { "nobody", "vanto", "用户名不存在，请重新输入！" },
        { "cook", "wrong", "该用户已经停用，不能登录" },
        { "admin", "wrong", "用户名和密码不对应，请重新输入" },
    };
    CLoginDlg dialog;
    dialog.show();
    for (const auto& c : cases) {
        m_gui.prompts->clear();
        dialog.userNameEdit()->setText(QString::fromUtf8(c.user));
        dialog.passwordEdit()->setText(QString::fromUtf8(c.password));
        QTest::mouseClick(dialog.findChild<QPushButton*>("loginButton"), Qt::LeftButton);
        EXPECT_EQ(m_gui.prompts->texts(), QStringList { QString::fromUtf8(c.message) }) << c.user << "/" << c.password;
        EXPECT_EQ(m_gui.prompts->lastCaption(), "系统提示");
        EXPECT_TRUE(dialog.userNameEdit()->text().isEmpty());
        EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(Session::currentUser().loggedIn());
    }
}

TEST_F(LoginDialogTest, EnterLogsInAndFillsTheCurrentUser)
{
    CLoginDlg dialog;
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.userNameEdit()->setText("admin");
    dialog.passwordEdit()->setText("vanto");
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_TRUE(m_gui.prompts->texts().isEmpty());
    EXPECT_EQ(Session::currentUser().userName, "admin");
    EXPECT_EQ(Session::currentUser().displayName, "系统管理员");
    EXPECT_EQ(Session::currentUser().roleName, "超级管理员");
    EXPECT_EQ(Session::currentUser().password, "vanto");
}

TEST_F(LoginDialogTest, EscapeIsIgnoredWhileCancelAndCloseEndTheDialog)
{
    for (const char* button : { "cancelButton", "closeButton" }) {
        CLoginDlg dialog;
        dialog.show();
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.userNameEdit()->setText("admin");
        QTest::keyClick(dialog.userNameEdit(), Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(rejected.count(), 0);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.userNameEdit()->text(), "admin");

        QTest::mouseClick(dialog.findChild<QAbstractButton*>(button), Qt::LeftButton);
        EXPECT_EQ(rejected.count(), 1) << button;
        EXPECT_FALSE(Session::currentUser().loggedIn());
    }
}

TEST_F(LoginDialogTest, CancelledLoginEndsTheProgramWithoutAMainWindow)
{
    CLumarooApp app;
    bool mainWindowShown = false;
    app.setMainWindowRunner([&] { mainWindowShown = true; });
    test::whenModal<CLoginDlg>([](CLoginDlg* dialog) { dialog->reject(); });
    EXPECT_EQ(app.run(), 0);
    EXPECT_FALSE(mainWindowShown);
    EXPECT_FALSE(Session::currentUser().loggedIn());
}

} // namespace
