#include "core/admin/Roles.h"

#include "AdminTestSupport.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

// Both tables as one text, to see that a refused change left them alone.
std::string rolesAndAccounts()
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    std::string text;
    for (auto q
         = db.execQuery("SELECT RolseID, RolseName, IFNULL(RolseContain, '(null)') FROM ManageRolse ORDER BY rowid");
         !q.eof(); q.nextRow()) {
        text += q.getStringField(0) + "|" + q.getStringField(1) + "|" + q.getStringField(2) + "\n";
    }
    for (auto q = db.execQuery("SELECT ManageUser, ManageRolse FROM Management ORDER BY rowid"); !q.eof();
         q.nextRow()) {
        text += q.getStringField(0) + ":" + q.getStringField(1) + "\n";
    }
    return text;
}

class RolesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder.exec(SysManagerDb,
            "INSERT INTO ManageRolse VALUES(1,'厨师','C31；C32');"
            "INSERT INTO ManageRolse VALUES(2,'保健医生','C21');"
            "INSERT INTO ManageRolse VALUES(3,'访客',NULL);"
            "INSERT INTO ManageRolse VALUES(4,'厨师长','C33');"
            "INSERT INTO Management VALUES(5,'cook1','p',NULL,NULL,NULL,'2025-01-01',NULL,'厨师','启用','甲','');"
            "INSERT INTO Management VALUES(6,'cook2','p',NULL,NULL,NULL,'2025-01-01',NULL,'厨师','停用','乙','');"
            "INSERT INTO Management VALUES(7,'chief','p',NULL,NULL,NULL,'2025-01-01',NULL,'厨师长','启用','丙','');");
    }

    test::TempDataFolder m_folder { DataFolderContent::FirstRows };
};

template <typename T> std::string messageOf(const Outcome<T>& outcome)
{
    return outcome.ok() ? "(done)" : outcome.message();
}

TEST_F(RolesTest, RefusalsChangeNothing)
{
    const struct
    {
        const char* what;
        std::string (*action)();
        const char* message;
    } cases[] = {
        { "delete the built-in role", [] { return messageOf(Roles::remove(0)); }, "不能删除内置角色！" },
        { "delete a role accounts name", [] { return messageOf(Roles::remove(1)); }, "该角色正在使用，不能删除！" },
        { "delete a role only a disabled account names", [] { return messageOf(Roles::remove(4)); },
            "该角色正在使用，不能删除！" },
        { "delete a role that is gone", [] { return messageOf(Roles::remove(99)); }, "该角色已不存在！" },
        { "rename the built-in role", [] { return messageOf(Roles::rename(0, "管理员")); },
            "不能修改内置角色的名称！" },
        { "rename onto another role", [] { return messageOf(Roles::rename(1, "保健医生")); },
            "该角色名称已经存在，请重新输入！" },
        { "rename onto the built-in role", [] { return messageOf(Roles::rename(3, "超级管理员")); },
            "该角色名称已经存在，请重新输入！" },
        { "rename to blanks", [] { return messageOf(Roles::rename(1, " \u3000")); }, "角色名称不能为空！" },
        { "rename a role that is gone", [] { return messageOf(Roles::rename(42, "新")); },
            "该角色已不存在！" },
        { "add a taken name", [] { return messageOf(Roles::add("厨师")); }, "该角色名称已经存在，请重新输入！" },
        { "add a taken name with blanks around it", [] { return messageOf(Roles::add(" 访客 ")); },
            "该角色名称已经存在，请重新输入！" },
        { "add without a name", [] { return messageOf(Roles::add("")); }, "角色名称不能为空！" },
        { "built-in role without the role permission",
            [] { return messageOf(Roles::savePermissions(0, PermissionFlags::fromString("C41；C43；C44"))); },
            "内置角色必须保留“权限管理”权限！" },
        { "save a role that is gone", [] { return messageOf(Roles::savePermissions(9, PermissionFlags())); },
            "该角色已不存在！" },
    };
    // A disabled account still names its role.
    m_folder.exec(SysManagerDb, "UPDATE Management SET ManageState = '停用' WHERE ManageUser = 'chief'");
    for (const auto& c : cases) {
        const std::string before = rolesAndAccounts();
        EXPECT_EQ(c.action(), c.message) << c.what;
        EXPECT_EQ(rolesAndAccounts(), before) << c.what;
    }
}

TEST_F(RolesTest, RenameCarriesTheNewNameToTheAccountsOfThatRoleOnly)
{
    ASSERT_TRUE(Roles::rename(1, " 主厨 ").ok());
    EXPECT_EQ(rolesAndAccounts(),
        "0|超级管理员|C01；C02；C03；C04；C11；C12；C13；C14；C21；C22；C23；C24；C31；C32；C33；C41；C42；C43；C44\n"
        "1|主厨|C31；C32\n"
        "2|保健医生|C21\n"
        "3|访客|(null)\n"
        "4|厨师长|C33\n"
        "admin:超级管理员\n"
        "cook1:主厨\n"
        "cook2:主厨\n"
        "chief:厨师长\n");
    // The account now finds its permissions under the new name.
    PermissionFlags flags = PermissionFlags::fromString(test::sysManagerText(
        "SELECT RolseContain FROM ManageRolse WHERE RolseName = (SELECT ManageRolse FROM Management WHERE "
        "ManageUser = 'cook2')",
        0));
    EXPECT_TRUE(flags.has("C32"));
    // Keeping its own name is no rename at all, even for the built-in role.
    EXPECT_TRUE(Roles::rename(0, "超级管理员").ok());
}

TEST_F(RolesTest, AddNumbersAboveTheLargestAndDeleteRemovesAnUnusedRole)
{
    const Outcome<int> added = Roles::add(" 园长 ");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(*added, 5);
    EXPECT_EQ(
        test::sysManagerText("SELECT IFNULL(RolseContain, '(null)') FROM ManageRolse WHERE RolseName = '园长'", 0),
        "(null)");
    EXPECT_TRUE(Roles::permissionsOf(5).empty());

    ASSERT_TRUE(Roles::remove(3).ok());
    ASSERT_TRUE(Roles::remove(5).ok());
    const auto roles = Roles::list();
    std::string listed;
    for (const auto& role : roles) {
        listed += std::to_string(role.id) + role.name + " ";
    }
    EXPECT_EQ(listed, "0超级管理员 1厨师 2保健医生 4厨师长 ");
    // A gap is not filled: the next role goes above the largest number.
    m_folder.exec(SysManagerDb, "INSERT INTO ManageRolse VALUES(10,'十号',NULL)");
    EXPECT_EQ(*Roles::add("新角色"), 11);
}

TEST(RolesNumbering, TheFirstRoleOfAnEmptyTableIsNumberZero)
{
    test::TempDataFolder folder(DataFolderContent::TablesOnly);
    EXPECT_EQ(*Roles::add("超级管理员"), 0);
}

TEST_F(RolesTest, PermissionsAreStoredInTableOrderAndReadBack)
{
    const char* all = "C01；C02；C03；C04；C11；C12；C13；C14；C21；C22；C23；C24；C31；C32；C33；C41；C42；C43；C44";
    const struct
    {
        std::vector<const char*> ticked; // in the order a user might tick them
        const char* stored;
    } cases[] = {
        { { "C21", "C02", "C01" }, "C01；C02；C21" },
        { { "C44" }, "C44" },
        { {}, "" },
        { { "C44", "C43", "C42", "C41", "C33", "C32", "C31", "C24", "C23", "C22", "C21", "C14", "C13", "C12", "C11",
              "C04", "C03", "C02", "C01" },
            all },
    };
    for (const auto& c : cases) {
        PermissionFlags flags;
        for (const char* code : c.ticked) {
            flags.grant(code);
        }
        ASSERT_TRUE(Roles::savePermissions(2, flags).ok()) << c.stored;
        EXPECT_EQ(test::sysManagerText("SELECT RolseContain FROM ManageRolse WHERE RolseID = 2", 0), c.stored);
        EXPECT_EQ(Roles::permissionsOf(2).codes().size(), c.ticked.size()) << c.stored;
        // The other roles keep theirs.
        EXPECT_EQ(test::sysManagerText("SELECT RolseContain FROM ManageRolse WHERE RolseID = 1", 0), "C31；C32");
    }

    // A stored string with a code the program does not know loads only the known ones.
    m_folder.exec(SysManagerDb, "UPDATE ManageRolse SET RolseContain = 'C21；C99' WHERE RolseID = 3");
    const auto codes = Roles::permissionsOf(3).codes();
    ASSERT_EQ(codes.size(), 1u);
    for (const auto& info : permissionTable()) {
        if (codes[0] == info.code) {
            EXPECT_STREQ(info.label, "健康体检");
        }
    }

    // The built-in role may give up anything but the role page itself.
    EXPECT_TRUE(Roles::savePermissions(0, PermissionFlags::fromString("C42")).ok());
    EXPECT_EQ(test::sysManagerText("SELECT RolseContain FROM ManageRolse WHERE RolseID = 0", 0), "C42");
}

} // namespace
