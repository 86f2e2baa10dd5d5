#include "GuiTestSupport.h"
#include "gui/session/Session.h"
#include "gui/shell/CBttmDlg.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class BottomBarTest : public test::GuiTest
{
protected:
    static QString label(const CBttmDlg& bar, const char* name)
    {
        const auto* found = bar.findChild<QLabel*>(QString::fromLatin1(name));
        return found ? found->text() : QStringLiteral("(none)");
    }
};

// The bar shows only what the site wrote into its settings file beside the data folder: a number
// made up by the program could be anyone's.
TEST_F(BottomBarTest, CopyrightHolderAndServiceLineComeFromTheSiteSettings)
{
    EXPECT_EQ(CBttmDlg::siteSettingsPath(),
        QString::fromStdString(m_folder.path()).chopped(QStringLiteral("formal/").size()) + "pelinor.ini");
    const struct
    {
        const char* file; // nullptr: no settings file
        const char* copyright;
        const char* service;
    } cases[] = {
        { nullptr, "", "" },
        { "[BottomBar]\n", "", "" },
        { "[BottomBar]\nServiceLine=010-6543 2100\n", "", "服务热线：010-6543 2100" },
        { "[BottomBar]\nCopyrightHolder=阳光幼儿园\nServiceLine= 13800000000 \n", "版权所有 © 阳光幼儿园",
            "服务热线：13800000000" },
    };
    for (const auto& c : cases) {
        QFile::remove(CBttmDlg::siteSettingsPath());
        if (c.file) {
            QFile file(CBttmDlg::siteSettingsPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.file);
        }
        const CBttmDlg bar;
        EXPECT_EQ(label(bar, "copyrightLabel"), QString::fromUtf8(c.copyright)) << (c.file ? c.file : "none");
        EXPECT_EQ(label(bar, "serviceLineLabel"), QString::fromUtf8(c.service)) << (c.file ? c.file : "none");
    }
}

// A rename of the role the user holds shows at once, not only after the next login.
TEST_F(BottomBarTest, TheUserLineFollowsTheSession)
{
    CurrentUser user;
    user.userName = "wang";
    user.displayName = "王老师";
    user.roleName = "保健医生";
    Session::setCurrentUser(user);
    const CBttmDlg bar;
    EXPECT_EQ(label(bar, "currentUserLabel"), QStringLiteral("当前用户：王老师（保健医生）"));
    user.roleName = "保健老师";
    Session::setCurrentUser(user);
    EXPECT_EQ(label(bar, "currentUserLabel"), QStringLiteral("当前用户：王老师（保健老师）"));
    Session::clearCurrentUser();
    EXPECT_EQ(label(bar, "currentUserLabel"), QString());
}

} // namespace
