#include "AdminTestSupport.h"
#include "core/admin/PermissionFlags.h"
#include "core/admin/RolePermissions.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

std::string joined(const std::vector<std::string>& codes)
{
    std::string result;
    for (const auto& code : codes) {
        result += code + " ";
    }
    return result;
}

TEST(PermissionFlagsTest, ReadsOnlyTheCodesOfTheTable)
{
    const struct
    {
        const char* stored;
        const char* granted;
    } cases[] = {
        { "", "" },
        { "C21；C99", "C21 " },
        { "C44", "C44 " },
        { "C44；", "C44 " }, // a final separator reads the same
        { "C01；C02；C03；C04；C11；C12；C13；C14；C21；C22；C23；C24；C31；C32；C33；C41；C42；C43；C44",
            "C01 C02 C03 C04 C11 C12 C13 C14 C21 C22 C23 C24 C31 C32 C33 C41 C42 C43 C44 " },
        { "C31;C32", "" }, // an ASCII semicolon is no separator
        { "c31；C32", "C32 " }, // codes are exact
        { "；；C12；", "C12 " },
        { "C12 ；C13", "C13 " },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joined(PermissionFlags::fromString(c.stored).codes()), c.granted) << c.stored;
    }
}

TEST(PermissionFlagsTest, ReadingSetsFlagsButNeverClearsThem)
{
    PermissionFlags flags = PermissionFlags::fromString("C31");
    flags.grantFrom("C32");
    flags.grantFrom("");
    EXPECT_TRUE(flags.has("C31"));
    EXPECT_TRUE(flags.has("C32"));
    flags.clear();
    EXPECT_TRUE(flags.empty());
}

TEST(PermissionFlagsTest, WritesTheStoredFormInTableOrder)
{
    PermissionFlags flags;
    EXPECT_EQ(flags.toPermissionString(), "");
    flags.grant("C44");
    EXPECT_EQ(flags.toPermissionString(), "C44");
    flags.grant("C01");
    flags.grant("C23");
    EXPECT_EQ(flags.toPermissionString(), "C01；C23；C44");
    EXPECT_EQ(permissionTable().size(), 19u);
}

TEST(RolePermissionsTest, LooksTheRoleUpByName)
{
    test::TempDataFolder folder(DataFolderContent::FirstRows);
    folder.exec(SysManagerDb,
        "INSERT INTO ManageRolse VALUES(1,'厨师','C31；C32');"
        "INSERT INTO ManageRolse VALUES(2,'访客',NULL);"
        "INSERT INTO ManageRolse VALUES(3,'老师''s','C24');");
    const struct
    {
        const char* role;
        const char* granted;
    } cases[] = {
        { "厨师", "C31 C32 " },
        { "访客", "" },
        { "不存在的角色", "" },
        { "老师's", "C24 " },
        { "", "" },
    };
    for (const auto& c : cases) {
        PermissionFlags flags;
        RolePermissions::readInto(flags, c.role);
        EXPECT_EQ(joined(flags.codes()), c.granted) << c.role;
    }
    PermissionFlags admin;
    RolePermissions::readInto(admin, "超级管理员");
    EXPECT_EQ(admin.codes().size(), 19u);
}

} // namespace
