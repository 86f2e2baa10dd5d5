#include "core/admin/PasswordChange.h"

#include "core/common/AppInfo.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

Outcome<> PasswordChange::change(const std::string& userName,
    const std::string& currentPassword,
    const std::string& oldPassword,
    const std::string& newPassword,
    const std::string& confirmation)
{
    if (oldPassword != currentPassword) {
        return refuse("原始密码不正确", kSystemPromptCaption);
    }
    if (newPassword.empty()) {
        return refuse("新密码不能为空！", kApplicationTitle);
    }
    if (newPassword != confirmation) {
        return refuse("两次输入密码不同", kSystemPromptCaption);
    }
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("UPDATE Management SET ManagePass= '%s' WHERE ManageUser = '%s'", newPassword, userName));
    // An account deleted meanwhile has no password to change: saying "saved" would lock the user out.
    if (db.execQuery("SELECT changes()").getIntField(0) == 0) {
        return refuse("该用户已经不存在，密码未修改！", kApplicationTitle);
    }
    return done();
}

} // namespace pelinor
