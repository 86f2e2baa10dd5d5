#include "core/library/DishCategories.h"

#include "core/common/AppInfo.h"
#include "core/common/NameText.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

namespace pelinor {

namespace {

constexpr const char* kNameEmpty = "类别不能为空！";
constexpr const char* kNameTaken = "该类别已经存在！";
constexpr const char* kNoParent = "请选择上级类别！";
constexpr const char* kNotEmpty = "选中类别包含子项目数据，请先删除各子项目数据！";

// The categories of that name under the parent.
std::vector<Category> namedUnder(CppSQLite3DB& db, int parentId, const std::string& name)
{
    return readCategories(
        db, formatSql("SELECT * FROM  CookType WHERE CookTypePID = '%d' AND CookTypeName = '%s'", parentId, name));
}

bool siblingNamed(CppSQLite3DB& db, int parentId, const std::string& name, int ownId)
{
    for (const auto& row : namedUnder(db, parentId, name)) {
        if (row.id != ownId) {
            return true;
        }
    }
    return false;
}

// The identifier of the top-level category of that name, as the parent lists name it.
std::optional<int> parentIdNamed(CppSQLite3DB& db, const std::string& parentName)
{
    const auto rows = namedUnder(db, 0, parentName);
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front().id;
}

// The parent of a tree item: the top-level category of that name, 0 for the root item.
int treeParentId(CppSQLite3DB& db, const std::string& parentName)
{
    auto query
        = db.execQuery(formatSql("SELECT * FROM\tCookType WHERE  CookTypePID = 0 AND CookTypeName ='%s'", parentName));
    return query.eof() ? 0 : query.getIntField(0);
}

} // namespace

std::vector<CategoryBranch> dishCategoryTree()
{
    DatabaseConnection db(CookDb);
    std::vector<CategoryBranch> tree;
    for (auto& top : readCategories(db, "SELECT * FROM CookType WHERE  CookTypePID =0 ORDER BY  CookTypeID ASC")) {
        auto children = readCategories(
            db, formatSql("SELECT * FROM CookType WHERE CookTypePID = '%d' ORDER BY CookTypeID ASC", top.id));
        tree.push_back({ std::move(top), std::move(children) });
    }
    return tree;
}

std::vector<Category> dishTopCategoriesByNumber()
{
    DatabaseConnection db(CookDb);
    return readCategories(db, "SELECT * FROM CookType WHERE  CookTypePID =0 ORDER BY CookTypeID ASC");
}

std::vector<Category> dishTopCategories()
{
    DatabaseConnection db(CookDb);
    return readCategories(db, "SELECT * FROM CookType WHERE  CookTypePID =0");
}

Outcome<int> addDishCategory(const std::string& parentName, const std::string& typedName)
{
    const std::string name = cleanName(typedName);
    if (name.empty()) {
        return refuse(kNameEmpty);
    }
    UnitOfWork work(CookDb);
    CppSQLite3DB& db = work.db();
    const auto parentId = parentIdNamed(db, parentName);
    if (!parentId) {
        return refuse(kNoParent);
    }
    if (siblingNamed(db, *parentId, name, 0)) {
        return refuse(kNameTaken);
    }
    const int id = nextId(db, "CookType", "CookTypeID", 1);
    db.execQuery(formatSql("INSERT INTO CookType VALUES('%d','%d','%s')", id, *parentId, name));
    work.commit();
    return id;
}

std::optional<Category> loadDishCategory(const std::string& name, const std::string& parentName)
{
    DatabaseConnection db(CookDb);
    const int parentId = treeParentId(db, parentName);
    const auto rows = readCategories(db, formatSql("SELECT * FROM CookType WHERE  CookTypeName ='%s'", name));
    if (const Category* found = categoryUnder(rows, parentId)) {
        return *found;
    }
    return std::nullopt;
}

Outcome<int> saveDishCategory(const Category& loaded, const std::string& parentName, const std::string& typedName)
{
    const std::string newName = cleanName(typedName);
    // Like food categories, a category is found by its name under its parent; keep that unambiguous.
    if (newName.empty()) {
        return refuse(kNameEmpty);
    }
    UnitOfWork work(CookDb);
    CppSQLite3DB& db = work.db();
    if (loaded.parentId == 0) {
        if (siblingNamed(db, 0, newName, loaded.id)) {
            return refuse(kNameTaken);
        }
        db.execQuery(formatSql("UPDATE CookType SET CookTypeName ='%s'WHERE CookTypeID = '%d'", newName, loaded.id));
        work.commit();
        return loaded.id;
    }
    const auto parentId = parentIdNamed(db, parentName);
    if (!parentId) {
        return refuse(kNoParent);
    }
    if (siblingNamed(db, *parentId, newName, loaded.id)) {
        return refuse(kNameTaken);
    }
    db.execQuery(formatSql("UPDATE CookType SET CookTypePID = '%d',CookTypeName ='%s'WHERE CookTypeID = '%d'",
        *parentId, newName, loaded.id));
    work.commit();
    return loaded.id;
}

Outcome<int> checkDishCategoryDeletion(const std::string& name, const std::string& parentName)
{
    DatabaseConnection db(CookDb);
    const int parentId = treeParentId(db, parentName);
    const auto rows = readCategories(db, formatSql("SELECT * FROM CookType WHERE CookTypeName = '%s'", name));
    const Category* category = categoryUnder(rows, parentId);
    if (!category) {
        return refuse(kNotEmpty, kSystemPromptCaption);
    }
    bool holdsItems = false;
    if (category->parentId == 0) {
        holdsItems = !db.execQuery(formatSql("SELECT * FROM CookType WHERE CookTypePID = '%d'", category->id)).eof();
    } else {
        for (auto query = db.execQuery("SELECT * FROM CookShow"); !query.eof() && !holdsItems; query.nextRow()) {
            holdsItems = query.getStringField(2).find(category->name) != std::string::npos;
        }
    }
    if (holdsItems) {
        return refuse(kNotEmpty, kSystemPromptCaption);
    }
    return parentId;
}

void deleteDishCategory(int parentId, const std::string& name)
{
    DatabaseConnection db(CookDb);
    db.execQuery(formatSql("DELETE FROM CookType WHERE  CookTypePID = '%d' AND CookTypeName = '%s'", parentId, name));
}

} // namespace pelinor
