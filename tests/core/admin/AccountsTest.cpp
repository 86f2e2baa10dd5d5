#include "core/admin/Accounts.h"

#include "AdminTestSupport.h"
#include "core/admin/PasswordChange.h"
#include "core/db/CppSQLite3Exception.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class AccountsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'保健医生','C21；C22');"
            "INSERT INTO Management "
            "VALUES(4,'nurse','pw1',NULL,NULL,NULL,'2025-09-01',NULL,'保健医生','启用','王老师','123');"
            "INSERT INTO Management "
            "VALUES(7,'cook','pw2',NULL,NULL,NULL,'2025-09-02',NULL,'保健医生','停用','李师傅','456');");
    }

    static AccountForm newForm(const std::string& user)
    {
        AccountForm form;
        form.userName = user;
        form.name = "新老师";
        form.telephone = "139";
        form.roleName = "保健医生";
        form.state = "启用";
        form.password = "secret";
        form.confirmation = "secret";
        return form;
    }

    static std::string column(const std::string& user, int position)
    {
        return test::sysManagerText("SELECT * FROM Management WHERE ManageUser = '" + user + "'", position);
    }

    test::TempDataFolder m_folder { DataFolderContent::FirstRows };
};

TEST_F(AccountsTest, SaveRefusesInTheOrderOfItsChecksAndChangesNothing)
{
    const struct
    {
        const char* what;
        void (*change)(AccountForm&);
        const char* message;
    } cases[] = {
        { "no user name",
            [](AccountForm& f) {
                f.userName.clear();
                f.roleName.clear();
            },
            "营养师登录帐号不能为空！" },
        { "no role",
            [](AccountForm& f) {
                f.roleName.clear();
                f.password.clear();
            },
            "营养师角色不能为空！" },
        { "no state",
            [](AccountForm& f) {
                f.state.clear();
                f.password.clear();
            },
            "营养师角色状态不能为空！" },
        { "no password", [](AccountForm& f) { f.password.clear(); }, "用户密码不能为空！" },
        { "confirmation differs", [](AccountForm& f) { f.confirmation = "other"; }, "两次密码输入不一致，请重新输入" },
        { "name taken", [](AccountForm& f) { f.userName = "nurse"; }, "该用户名已经存在，请重新添加！" },
        { "admin taken", [](AccountForm& f) { f.userName = "admin"; }, "该用户名已经存在，请重新添加！" },
    };
    for (const auto& c : cases) {
        AccountForm form = newForm("newbie");
        c.change(form);
        const auto result = Accounts::save(form, "admin", "2026-03-04");
        EXPECT_FALSE(result.ok()) << c.what;
        EXPECT_EQ(result.message(), c.message) << c.what;
        EXPECT_EQ(result.caption(), "Pelinor") << c.what;
        // The dialog empties its user-name field for this refusal alone.
        EXPECT_EQ(result.message() == Accounts::kUserNameTaken, std::string(c.what).find("taken") != std::string::npos)
            << c.what;
        EXPECT_EQ(test::sysManagerCount("Management"), 3) << c.what;
    }
    EXPECT_EQ(column("nurse", 2), "pw1");
}

TEST_F(AccountsTest, NewAccountGetsTheNextNumberAndTodaysDate)
{
    AccountForm form = newForm("o'brien");
    const auto saved = Accounts::save(form, "admin", "2026-03-04");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->id, 8);
    EXPECT_EQ(saved->savedOn, "2026-03-04");
    EXPECT_EQ(column("o''brien", 0), "8");
    EXPECT_EQ(column("o''brien", 2), "secret");
    EXPECT_EQ(column("o''brien", 6), "2026-03-04");
    EXPECT_EQ(column("o''brien", 8), "保健医生");
    EXPECT_EQ(column("o''brien", 9), "启用");
    EXPECT_EQ(column("o''brien", 10), "新老师");
    EXPECT_EQ(column("o''brien", 11), "139");
}

TEST_F(AccountsTest, EditKeepsTheNumberAndRecordsTheDateOfTheLastSave)
{
    auto form = Accounts::load("nurse");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->id, 4);
    EXPECT_EQ(form->savedOn, "2025-09-01");
    form->name = "王医生";
    form->password = form->confirmation = "pw9";
    ASSERT_TRUE(Accounts::save(*form, "admin", "2026-03-04").ok());
    EXPECT_EQ(test::sysManagerCount("Management"), 3);
    EXPECT_EQ(column("nurse", 0), "4");
    EXPECT_EQ(column("nurse", 10), "王医生");
    EXPECT_EQ(column("nurse", 2), "pw9");
    EXPECT_EQ(column("nurse", 6), "2026-03-04");
}

TEST_F(AccountsTest, ForcedValuesForTheBuiltInAndTheOwnAccount)
{
    auto admin = Accounts::load("admin");
    ASSERT_TRUE(admin);
    admin->roleName = "保健医生";
    admin->state = "停用";
    admin->password = admin->confirmation = "anything";
    ASSERT_TRUE(Accounts::save(*admin, "nurse", "2026-03-04").ok());
    EXPECT_EQ(column("admin", 8), "超级管理员");
    EXPECT_EQ(column("admin", 9), "启用");
    EXPECT_EQ(column("admin", 2), "vanto");

    auto own = Accounts::load("nurse");
    own->state = "停用";
    ASSERT_TRUE(Accounts::save(*own, "nurse", "2026-03-04").ok());
    EXPECT_EQ(column("nurse", 9), "启用");

    auto other = Accounts::load("nurse");
    other->state = "停用";
    ASSERT_TRUE(Accounts::save(*other, "admin", "2026-03-04").ok());
    EXPECT_EQ(column("nurse", 9), "停用");
}

TEST_F(AccountsTest, AFailedEditLeavesTheAccountAsItWas)
{
    m_folder.exec(
        SysManagerDb, "CREATE TRIGGER refuse BEFORE INSERT ON Management BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    auto form = Accounts::load("nurse");
    form->name = "改过的";
    EXPECT_THROW(Accounts::save(*form, "admin", "2026-03-04"), CppSQLite3Exception);
    EXPECT_EQ(column("nurse", 10), "王老师");
    EXPECT_EQ(test::sysManagerCount("Management"), 3);
}

TEST_F(AccountsTest, DeleteAndStateRules)
{
    const struct
    {
        const char* action;
        const char* user;
        const char* state;
        const char* loggedIn;
        const char* message; // empty: done
    } cases[] = {
        { "delete", "admin", "", "nurse", "不能删除内置用户！" },
        { "delete", "admin", "", "admin", "不能删除内置用户！" },
        { "delete", "nurse", "", "nurse", "不能删除正在登录的用户！" },
        { "toggle", "nurse", "启用", "nurse", "该用户正在使用， 不能停用！" },
        { "toggle", "admin", "启用", "admin", "该用户正在使用， 不能停用！" },
        { "toggle", "admin", "启用", "nurse", "内置用户不能停用！" },
        { "toggle", "nurse", "启用", "admin", "" },
        { "toggle", "cook", "停用", "admin", "" },
        { "delete", "nurse", "", "admin", "" },
        // Gone meanwhile (another window deleted it): nothing to do is no success.
        { "delete", "nurse", "", "admin", "该用户已经不存在！" },
        { "toggle", "nurse", "启用", "admin", "该用户已经不存在！" },
        { "toggle", "ghost", "停用", "admin", "该用户已经不存在！" },
    };
    for (const auto& c : cases) {
        const auto result = std::string(c.action) == "delete" ? Accounts::remove(c.user, c.loggedIn)
                                                              : Accounts::toggleState(c.user, c.state, c.loggedIn);
        EXPECT_EQ(result.ok(), std::string(c.message).empty()) << c.action << " " << c.user;
        EXPECT_EQ(result.message(), c.message) << c.action << " " << c.user;
    }
    EXPECT_EQ(column("cook", 9), "启用");
    EXPECT_EQ(column("nurse", 0), "(none)");
    EXPECT_EQ(column("admin", 9), "启用");
}

TEST_F(AccountsTest, ListAndRolesReadTheTables)
{
    const auto rows = Accounts::list();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].userName, "nurse");
    EXPECT_EQ(rows[1].name, "王老师");
    EXPECT_EQ(rows[1].savedOn, "2025-09-01");
    EXPECT_EQ(rows[1].telephone, "123");
    EXPECT_EQ(rows[1].roleName, "保健医生");
    EXPECT_EQ(rows[1].state, "启用");

    m_folder.exec(SysManagerDb, "INSERT INTO ManageRolse VALUES(3,'访客',NULL);");
    const auto roles = Accounts::roles();
    ASSERT_EQ(roles.size(), 3u);
    EXPECT_EQ(roles[2].name, "访客"); // after the gap at 2, still listed
    EXPECT_EQ(Accounts::roleIdOf("访客"), 3);
    EXPECT_EQ(Accounts::roleIdOf("无"), -1);
}

TEST_F(AccountsTest, PasswordChangeRulesAndStore)
{
    const struct
    {
        const char* old;
        const char* fresh;
        const char* confirmation;
        const char* message;
        const char* caption;
    } cases[] = {
        { "bad", "", "", "原始密码不正确", "系统提示" },
        { "pw1", "", "", "新密码不能为空！", "Pelinor" },
        { "pw1", "new", "neu", "两次输入密码不同", "系统提示" },
        { "pw1", "n'ew", "n'ew", "", "" },
    };
    for (const auto& c : cases) {
        const auto result = PasswordChange::change("nurse", "pw1", c.old, c.fresh, c.confirmation);
        EXPECT_EQ(result.message(), c.message);
        EXPECT_EQ(result.caption(), c.caption);
        EXPECT_EQ(result.ok(), std::string(c.message).empty());
    }
    EXPECT_STREQ(PasswordChange::kSaved, "保存成功,请重新登录！");
    EXPECT_EQ(column("nurse", 2), "n'ew");
    EXPECT_EQ(column("cook", 2), "pw2");

    // The logged-in account was deleted meanwhile: no "saved", which would lock the user out.
    m_folder.exec(SysManagerDb, "DELETE FROM Management WHERE ManageUser = 'cook';");
    const auto gone = PasswordChange::change("cook", "pw2", "pw2", "new", "new");
    EXPECT_EQ(gone.message(), "该用户已经不存在，密码未修改！");
    EXPECT_EQ(gone.caption(), "Pelinor");
    EXPECT_EQ(column("nurse", 2), "n'ew");
}

} // namespace
