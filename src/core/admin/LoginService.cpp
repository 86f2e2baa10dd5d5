#include "core/admin/LoginService.h"

#include "core/common/AppInfo.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

namespace {

Refusal refused(const char* message)
{
    return refuse(message, kSystemPromptCaption);
}

} // namespace

Outcome<CurrentUser> LoginService::login(const std::string& userName, const std::string& password)
{
    if (userName.empty()) {
        return refused("用户名不能为空！");
    }
    if (password.empty()) {
        return refused("密码不能为空！");
    }
    DatabaseConnection db(SysManagerDb);
    CppSQLite3Query account = db.execQuery(formatSql("SELECT * FROM Management where ManageUser = '%s'", userName));
    if (account.eof()) {
        return refused("用户名不存在，请重新输入！");
    }
    if (account.getStringField(9) == "停用") {
        return refused("该用户已经停用，不能登录");
    }
    account.finalize();
    CppSQLite3Query match = db.execQuery(
        formatSql("SELECT * FROM Management where ManageUser = '%s'AND ManagePass = '%s'", userName, password));
    if (match.eof()) {
        return refused("用户名和密码不对应，请重新输入");
    }
    CurrentUser user;
    user.userName = match.getStringField(1);
    user.displayName = match.getStringField(10);
    user.roleName = match.getStringField(8);
    user.password = match.getStringField(2);
    return user;
}

} // namespace pelinor
