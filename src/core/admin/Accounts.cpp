#include "core/admin/Accounts.h"

#include "core/common/AppInfo.h"
#include "core/common/NameText.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

namespace pelinor {

namespace {

constexpr const char* kAccountGone = "该用户已经不存在！";

Refusal refused(const char* message)
{
    return refuse(message, kApplicationTitle);
}

// The rows the last statement of the connection changed: 0 when the account it named is gone.
int changedRows(CppSQLite3DB& db)
{
    return db.execQuery("SELECT changes()").getIntField(0);
}

} // namespace

std::vector<AccountRow> Accounts::list()
{
    DatabaseConnection db(SysManagerDb);
    std::vector<AccountRow> rows;
    for (CppSQLite3Query query = db.execQuery("SELECT * FROM Management"); !query.eof(); query.nextRow()) {
        rows.push_back({ query.getStringField(1), query.getStringField(10), query.getStringField(6),
            query.getStringField(11), query.getStringField(8), query.getStringField(9) });
    }
    return rows;
}

std::vector<RoleEntry> Accounts::roles()
{
    DatabaseConnection db(SysManagerDb);
    std::vector<RoleEntry> result;
    for (CppSQLite3Query query = db.execQuery("SELECT * FROM ManageRolse ORDER BY RolseID ASC"); !query.eof();
         query.nextRow()) {
        result.push_back({ query.getIntField(0), query.getStringField(1) });
    }
    return result;
}

std::optional<AccountForm> Accounts::load(const std::string& userName)
{
    DatabaseConnection db(SysManagerDb);
    CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM Management where ManageUser = '%s'", userName));
    if (query.eof()) {
        return std::nullopt;
    }
    AccountForm form;
    form.id = query.getIntField(0);
    form.userName = query.getStringField(1);
    form.name = query.getStringField(10);
    form.savedOn = query.getStringField(6);
    form.telephone = query.getStringField(11);
    form.roleName = query.getStringField(8);
    form.state = query.getStringField(9);
    form.password = query.getStringField(2);
    form.confirmation = form.password;
    return form;
}

int Accounts::roleIdOf(const std::string& roleName)
{
    DatabaseConnection db(SysManagerDb);
    CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM ManageRolse WHERE RolseName = '%s'", roleName));
    return query.eof() ? -1 : query.getIntField(0);
}

Outcome<AccountForm> Accounts::save(AccountForm form, const std::string& loggedInUser, const std::string& today)
{
    // " admin", "admin　" or a name of blanks alone would be a second, look-alike account.
    form.userName = cleanName(form.userName);
    if (form.userName.empty()) {
        return refused("营养师登录帐号不能为空！");
    }
    if (form.roleName.empty()) {
        return refused("营养师角色不能为空！");
    }
    if (form.state.empty()) {
        return refused("营养师角色状态不能为空！");
    }
    // Nobody can disable the account in use.
    if (form.userName == loggedInUser && form.state == kDisabled) {
        form.state = kEnabled;
    }
    form.savedOn = today;
    if (form.password.empty()) {
        return refused("用户密码不能为空！");
    }
    if (form.password != form.confirmation) {
        return refused("两次密码输入不一致，请重新输入");
    }
    if (form.userName == kBuiltInUser) {
        form.roleName = kBuiltInRole;
        form.state = kEnabled;
        form.password = kBuiltInPassword;
        form.confirmation = kBuiltInPassword;
    }

    // An edit deletes the row and inserts it again: both or neither, so an account is never lost.
    UnitOfWork work(SysManagerDb);
    CppSQLite3DB& db = work.db();
    const bool existing = !db.execQuery(formatSql("SELECT * FROM Management WHERE ManageID = '%d'", form.id)).eof();
    if (existing) {
        db.execQuery(formatSql("DELETE  FROM Management WHERE ManageID = '%d'", form.id));
    } else {
        if (!db.execQuery(formatSql("SELECT * FROM Management WHERE ManageUser = '%s'", form.userName)).eof()) {
            return refused(kUserNameTaken);
        }
        form.id = nextId(db, "Management", "ManageID", 1);
    }
    db.execQuery(formatSql("INSERT INTO  Management(ManageID,ManageUser,ManagePass,ManageCreateTime,ManageRolse,"
                           "ManageState,ManageName,ManageTel) VALUES('%d','%s','%s','%s','%s','%s','%s','%s')",
        form.id, form.userName, form.password, form.savedOn, form.roleName, form.state, form.name, form.telephone));
    work.commit();
    return form;
}

Outcome<> Accounts::remove(const std::string& userName, const std::string& loggedInUser)
{
    if (userName == kBuiltInUser) {
        return refused("不能删除内置用户！");
    }
    if (userName == loggedInUser) {
        return refused("不能删除正在登录的用户！");
    }
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("DELETE  FROM Management WHERE ManageUser = '%s'", userName));
    if (changedRows(db) == 0) {
        return refused(kAccountGone);
    }
    return done();
}

Outcome<> Accounts::toggleState(
    const std::string& userName, const std::string& currentState, const std::string& loggedInUser)
{
    if (userName == loggedInUser) {
        return refused("该用户正在使用， 不能停用！");
    }
    const std::string newState = currentState == kEnabled ? kDisabled : kEnabled;
    if (userName == kBuiltInUser && newState == kDisabled) {
        return refused("内置用户不能停用！");
    }
    DatabaseConnection db(SysManagerDb);
    db.execQuery(formatSql("UPDATE Management SET ManageState = '%s' WHERE ManageUser = '%s'", newState, userName));
    if (changedRows(db) == 0) {
        return refused(kAccountGone);
    }
    return done();
}

} // namespace pelinor
