#include "core/admin/LoginService.h"

#include "AdminTestSupport.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class LoginServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO Management "
            "VALUES(1,'nurse','pw1',NULL,NULL,NULL,'2026-02-01',NULL,'保健医生','启用','王老师','123');"
            "INSERT INTO Management "
            "VALUES(2,'cook','pw2',NULL,NULL,NULL,'2026-02-01',NULL,'厨师','停用','李师傅','456');"
            "INSERT INTO Management "
            "VALUES(3,'o''hara','it''s',NULL,NULL,NULL,'2026-02-01',NULL,'保健医生','启用','O''Hara','');");
    }

    test::TempDataFolder m_folder { DataFolderContent::FirstRows };
};

TEST_F(LoginServiceTest, RefusalsComeInTheirOrder)
{
    const struct
    {
        const char* user;
        const char* password;
        const char* message;
    } cases[] = {
        { "", "", "用户名不能为空！" },
        { "", "pw1", "用户名不能为空！" },
        { "nurse", "", "密码不能为空！" },
        { "nobody", "pw1", "用户名不存在，请重新输入！" },
        { "NURSE", "pw1", "用户名不存在，请重新输入！" },
        { "nurse", "wrong", "用户名和密码不对应，请重新输入" },
        { "nurse", "pw2", "用户名和密码不对应，请重新输入" },
        // A disabled account is refused before its password is looked at, right or wrong.
        { "cook", "wrong", "该用户已经停用，不能登录" },
        { "cook", "pw2", "该用户已经停用，不能登录" },
        // A quote in the input is a character, not SQL.
        { "nurse' OR '1'='1", "x", "用户名不存在，请重新输入！" },
        { "nurse", "' OR '1'='1", "用户名和密码不对应，请重新输入" },
    };
    for (const auto& c : cases) {
        const auto result = LoginService::login(c.user, c.password);
        EXPECT_FALSE(result.ok()) << c.user << "/" << c.password;
        EXPECT_EQ(result.message(), c.message) << c.user << "/" << c.password;
        EXPECT_EQ(result.caption(), "系统提示");
    }
}

TEST_F(LoginServiceTest, SuccessFillsTheWholeCurrentUserRecord)
{
    const struct
    {
        const char* user;
        const char* password;
        CurrentUser expected;
    } cases[] = {
        { "admin", "vanto", { "admin", "系统管理员", "超级管理员", "vanto" } },
        { "nurse", "pw1", { "nurse", "王老师", "保健医生", "pw1" } },
        { "o'hara", "it's", { "o'hara", "O'Hara", "保健医生", "it's" } },
    };
    for (const auto& c : cases) {
        const auto result = LoginService::login(c.user, c.password);
        ASSERT_TRUE(result.ok()) << c.user << ": " << result.message();
        EXPECT_EQ(result.value().userName, c.expected.userName);
        EXPECT_EQ(result.value().displayName, c.expected.displayName);
        EXPECT_EQ(result.value().roleName, c.expected.roleName);
        EXPECT_EQ(result.value().password, c.expected.password);
    }
}

} // namespace
