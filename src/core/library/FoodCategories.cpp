#include "core/library/FoodCategories.h"

#include "core/common/AppInfo.h"
#include "core/common/NameText.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"

namespace pelinor {

namespace {

constexpr const char* kNameEmpty = "添加类别不能为空";
constexpr const char* kEditedNameEmpty = "类别不能为空！";
constexpr const char* kNameTaken = "该类别已经存在！";
constexpr const char* kNoParent = "请选择上级类别！";
constexpr const char* kNotEmpty = "选中类别包含子项目数据，请先删除各子项目数据！";

// The identifier of a top-level category by name; 0 for any other name (the tree's root item).
int topCategoryId(CppSQLite3DB& db, const std::string& name)
{
    auto query = db.execQuery(formatSql("SELECT * FROM FoodType WHERE  FoodTypePID = 0 AND FoodTypeName ='%s'", name));
    return query.eof() ? 0 : query.getIntField(0);
}

// Another category of that name under the parent (the category itself does not count).
bool siblingNamed(CppSQLite3DB& db, int parentId, const std::string& name, int ownId)
{
    const auto rows = readCategories(
        db, formatSql("SELECT * FROM  FoodType  WHERE FoodTypePID = '%d' AND FoodTypeName = '%s'", parentId, name));
    for (const auto& row : rows) {
        if (row.id != ownId) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<CategoryBranch> foodCategoryTree()
{
    DatabaseConnection db(CookDb);
    std::vector<CategoryBranch> tree;
    for (auto& top : readCategories(db, "SELECT * FROM FoodType WHERE  FoodTypePID =0 ORDER BY  FoodTypeID ASC")) {
        auto children = readCategories(
            db, formatSql("SELECT * FROM FoodType WHERE FoodTypePID = '%d' ORDER BY FoodTypeID ASC", top.id));
        tree.push_back({ std::move(top), std::move(children) });
    }
    return tree;
}

std::vector<Category> foodTopCategories()
{
    DatabaseConnection db(CookDb);
    return readCategories(db, "SELECT * FROM FoodType WHERE  FoodTypePID =0");
}

std::vector<Category> foodSubCategories(int topId)
{
    DatabaseConnection db(CookDb);
    return readCategories(db, formatSql("SELECT * FROM FoodType WHERE FoodTypePID = '%d'", topId));
}

std::optional<int> findFoodSubCategory(CppSQLite3DB& db, int topId, const std::string& name)
{
    if (topId <= 0 || name.empty()) {
        return std::nullopt;
    }
    auto query = db.execQuery(
        formatSql("SELECT * FROM FoodType WHERE FoodTypePID = '%d' AND FoodTypeName = '%s'", topId, name));
    if (query.eof()) {
        return std::nullopt;
    }
    return query.getIntField(0);
}

std::optional<int> findFoodSubCategory(int topId, const std::string& name)
{
    DatabaseConnection db(CookDb);
    return findFoodSubCategory(db, topId, name);
}

Outcome<int> addFoodCategory(const std::string& parentName, const std::string& typedName)
{
    const std::string name = cleanName(typedName);
    if (name.empty()) {
        return refuse(kNameEmpty);
    }
    UnitOfWork work(CookDb);
    CppSQLite3DB& db = work.db();
    // The parent list offers top-level categories only; a second-level namesake must not become the parent.
    const auto parents = readCategories(db, formatSql("SELECT * FROM FoodType WHERE  FoodTypeName ='%s'", parentName));
    const Category* parent = categoryUnder(parents, 0);
    if (!parent) {
        return refuse(kNoParent);
    }
    if (siblingNamed(db, parent->id, name, 0)) {
        return refuse(kNameTaken);
    }
    const int id = nextId(db, "FoodType", "FoodTypeID", 1);
    db.execQuery(formatSql("INSERT INTO FoodType VALUES('%d','%d','%s')", id, parent->id, name));
    work.commit();
    return id;
}

std::optional<Category> loadFoodCategory(const std::string& name, const std::string& parentName)
{
    DatabaseConnection db(CookDb);
    const int parentId = topCategoryId(db, parentName);
    const auto rows = readCategories(db, formatSql("SELECT * FROM FoodType WHERE  FoodTypeName ='%s'", name));
    if (const Category* found = categoryUnder(rows, parentId)) {
        return *found;
    }
    return std::nullopt;
}

Outcome<int> saveFoodCategory(const Category& loaded, int parentId, const std::string& typedName)
{
    const std::string newName = cleanName(typedName);
    // Foods are filed by (parent, name): an empty or repeated name would make a category unreachable
    // or send the foods of one category into its namesake on their next edit.
    if (newName.empty()) {
        return refuse(kEditedNameEmpty);
    }
    UnitOfWork work(CookDb);
    CppSQLite3DB& db = work.db();
    if (loaded.parentId == 0) {
        if (siblingNamed(db, 0, newName, loaded.id)) {
            return refuse(kNameTaken);
        }
        db.execQuery(formatSql("UPDATE FoodType SET FoodTypeName ='%s'WHERE FoodTypeID = '%d'", newName, loaded.id));
        work.commit();
        return loaded.id;
    }
    // A second-level category under a parent that is gone would vanish from the tree with its foods.
    if (parentId <= 0
        || db.execQuery(formatSql("SELECT * FROM FoodType WHERE FoodTypeID = '%d' AND FoodTypePID = 0", parentId))
               .eof()) {
        return refuse(kNoParent);
    }
    if (siblingNamed(db, parentId, newName, loaded.id)) {
        return refuse(kNameTaken);
    }
    db.execQuery(formatSql("UPDATE FoodType SET FoodTypePID = '%d',FoodTypeName ='%s'WHERE FoodTypeID = '%d'", parentId,
        newName, loaded.id));
    db.execQuery(
        formatSql("UPDATE FoodShow SET FoodBigTypeID = '%d'WHERE FoodSmallTypeID = '%d'", parentId, loaded.id));
    work.commit();
    return loaded.id;
}

Outcome<int> checkFoodCategoryDeletion(const std::string& name, const std::string& parentName)
{
    DatabaseConnection db(CookDb);
    const int parentId = topCategoryId(db, parentName);
    // The emptiness test must look at the very row the DELETE removes: the one under this parent.
    const auto rows = readCategories(db, formatSql("SELECT * FROM FoodType WHERE FoodTypeName = '%s'", name));
    const Category* category = categoryUnder(rows, parentId);
    if (!category) {
        return refuse(kNotEmpty, kSystemPromptCaption);
    }
    const std::string holdings = category->parentId != 0
        ? formatSql("SELECT * FROM FoodShow WHERE FoodSmallTypeID = '%d'", category->id)
        : formatSql("SELECT * FROM FoodType WHERE FoodTypePID = '%d'", category->id);
    if (!db.execQuery(holdings).eof()) {
        return refuse(kNotEmpty, kSystemPromptCaption);
    }
    return parentId;
}

void deleteFoodCategory(int parentId, const std::string& name)
{
    DatabaseConnection db(CookDb);
    db.execQuery(formatSql("DELETE FROM FoodType WHERE FoodTypePID = '%d' AND FoodTypeName = '%s'", parentId, name));
}

} // namespace pelinor
