#include "core/library/FoodCatalog.h"

#include "core/common/AppInfo.h"
#include "core/common/NameText.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"
#include "core/db/UnitOfWork.h"
#include "core/library/FoodCategories.h"
#include "core/library/FoodRelations.h"
#include "core/library/PinyinInitial.h"

#include <algorithm>

namespace pelinor {

namespace {

constexpr const char* kFoodExists = "该原料已经存在！";
constexpr const char* kNameEmpty = "原料名称不能为空！";
constexpr const char* kNoCategoryOnAdd = "上级分类选择失败！";
constexpr const char* kNoCategoryOnEdit = "上级分类选择是被";
constexpr const char* kUsedByDish = "该原料已被菜谱使用，不能删除！";
constexpr const char* kSeparatorInName = "原料名称不能含有“；”或“:”";

// Five leading values, the 37 per-100-g columns, then the picture name, the index letter and the mark.
// The values typed into the dialogs keep up to three decimals (the catalogue has values such as
// 0.078 mg of thiamine, which one decimal would turn into 0.1); the derived columns and the two
// constants keep their one decimal.
constexpr const char* kInsertFoodShow = "INSERT INTO FoodShow VALUES('%d','%d','%d','%s','%d',"
                                        "'%.1f','%.3f','%.1f','%.3f','%.3f','%.3f','%.3f','%.1f','%.1f','%.3f',"
                                        "'%.1f','%.3f','%.1f','%.3f','%.3f','%.3f','%.3f','%.3f','%.3f','%.3f',"
                                        "'%.3f','%.1f','%.3f','%.3f','%.3f','%.3f','%.3f','%.3f','%.3f','%.3f',"
                                        "'%.3f','%.3f','%.3f','%.3f','%.3f','%.1f','%.1f',"
                                        "'%s','%s','%d')";

// Compositions list foods as "name:grams g；": a name holding either separator would be read back
// as another food.
bool holdsSeparator(const std::string& name)
{
    return name.find("；") != std::string::npos || name.find(':') != std::string::npos;
}

std::vector<FoodListRow> readFoodList(const std::string& sql)
{
    DatabaseConnection db(CookDb);
    std::vector<FoodListRow> rows;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        rows.push_back({ query.getStringField(3), query.getStringField(6), query.getStringField(8),
            query.getStringField(9), query.getStringField(10) });
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

// The identifier of another food of that name, if there is one.
std::optional<int> otherFoodNamed(CppSQLite3DB& cook, const std::string& name, int ownId)
{
    for (auto query = cook.execQuery(formatSql("SELECT * FROM  FoodShow WHERE FoodName = '%s'", name)); !query.eof();
         query.nextRow()) {
        if (query.getIntField(0) != ownId) {
            return query.getIntField(0);
        }
    }
    return std::nullopt;
}

// The picture name of the food row: the descriptive row's picture name without its last four
// characters (its extension).
std::string photoOfFood(const std::string& collocationPhoto)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < collocationPhoto.size(); ++i) {
        if ((static_cast<unsigned char>(collocationPhoto[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    if (starts.size() <= 4) {
        return {};
    }
    return collocationPhoto.substr(0, starts[starts.size() - 4]);
}

// Writes the FoodShow row. The dialogs work in single precision, so every entered value is first
// narrowed to float; the derived columns are computed from those values in double precision.
void insertFoodShow(CppSQLite3DB& cook,
    int foodId,
    int bigTypeId,
    int smallTypeId,
    const std::string& name,
    const NutrientVector& entered,
    const std::string& photo)
{
    auto v = [&](Nutrient nutrient) { return static_cast<double>(static_cast<float>(entered[nutrient])); };
    using N = Nutrient;
    std::vector<SqlArg> args { foodId, bigTypeId, smallTypeId, name, 100 };
    const double columns[] = {
        10.2,
        v(N::Energy),
        v(N::Energy) * 4.1816,
        v(N::Protein),
        v(N::Fat),
        v(N::Carbohydrate),
        v(N::Fibre),
        v(N::Fibre) * 0.6,
        v(N::Fibre) * 0.4,
        v(N::Cholesterol),
        1.1,
        v(N::VitaminA),
        v(N::VitaminA) * 7.0,
        v(N::Thiamine),
        v(N::Riboflavin),
        v(N::VitaminB6),
        v(N::VitaminB12),
        v(N::Folate),
        v(N::Niacin),
        v(N::VitaminC),
        v(N::VitaminE),
        v(N::VitaminE) * 0.16,
        v(N::Calcium),
        v(N::Phosphorus),
        v(N::Potassium),
        v(N::Sodium),
        v(N::Magnesium),
        v(N::Iron),
        v(N::Zinc),
        v(N::Selenium),
        v(N::Copper),
        v(N::Manganese),
        v(N::Iodine),
        v(N::Retinol),
        v(N::NicotinicAcid),
        v(N::VitaminE) * 0.6,
        v(N::VitaminE) * 0.24,
    };
    static_assert(std::size(columns) == 37);
    for (double value : columns) {
        args.emplace_back(value);
    }
    args.emplace_back(photo);
    args.emplace_back(PinyinInitial(name));
    args.emplace_back(2);
    cook.execQuery(formatSqlArgs(kInsertFoodShow, args));
}

// The relations live in the gright file, attached to the unit of work of the food's change (their
// table names are found there without the schema name).
void saveRelations(CppSQLite3DB& db, const FoodForm& form)
{
    const std::string base = foodBaseName(form.name);
    saveFoodRelations(db, FoodRelation::GoesWell, base, form.goesWellWith, form.goesWellNotes);
    saveFoodRelations(db, FoodRelation::Incompatible, base, form.incompatibleWith, form.incompatibleNotes);
}

} // namespace

std::vector<FoodListRow> foodsOfFirstCategory()
{
    return readFoodList("SELECT * FROM FoodShow WHERE  FoodBigTypeID =1 ORDER BY  FoodID ASC");
}

std::vector<FoodListRow> foodsOfSubCategory(int subCategoryId)
{
    return readFoodList(
        formatSql("SELECT * FROM FoodShow WHERE  FoodSmallTypeID ='%d'ORDER BY FoodID DESC", subCategoryId));
}

std::vector<FoodListRow> searchFoods(const std::string& text)
{
    auto rows = readFoodList("SELECT * FROM FoodShow");
    std::erase_if(rows, [&](const FoodListRow& row) { return row.name.find(text) == std::string::npos; });
    return rows;
}

std::vector<FoodListRow> foodsOfNamedSubCategory(int topId, const std::string& subCategoryName)
{
    std::optional<int> id;
    {
        DatabaseConnection cook(CookDb);
        const auto rows
            = readCategories(cook, formatSql("SELECT * FROM FoodType WHERE FoodTypeName = '%s'", subCategoryName));
        // Second-level names repeat across top-level categories; take the one under the chosen parent.
        if (const Category* found = categoryUnder(rows, topId)) {
            id = found->id;
        }
    }
    if (!id) {
        return {};
    }
    return readFoodList(formatSql("SELECT * FROM FoodShow WHERE FoodSmallTypeID = '%d' ORDER BY FoodID DESC", *id));
}

std::optional<LoadedFood> loadFood(const std::string& name)
{
    DatabaseConnection cook(CookDb);
    LoadedFood food;
    {
        auto query = cook.execQuery(formatSql("SELECT * FROM FoodShow WHERE  FoodName ='%s'", name));
        if (query.eof()) {
            return std::nullopt;
        }
        food.foodId = query.getIntField(0);
        food.bigTypeId = query.getIntField(1);
        food.smallTypeId = query.getIntField(2);
        food.form.name = query.getStringField(3);
        food.form.nutrients = NutrientVector::fromFoodRow(query);
    }
    food.form.topId = food.bigTypeId;
    const auto siblings
        = readCategories(cook, formatSql("SELECT * FROM FoodType WHERE  FoodTypePID ='%d'", food.bigTypeId));
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].id == food.smallTypeId) {
            food.subPosition = static_cast<int>(i);
            food.form.subCategoryName = siblings[i].name;
            break;
        }
    }
    {
        auto query = cook.execQuery(formatSql("SELECT * FROM FoodCollocation WHERE  CollocationID ='%d'", food.foodId));
        if (!query.eof()) {
            food.form.jieshao = query.getStringField(1);
            food.form.gongxiao = query.getStringField(2);
            food.form.tiaoxuan = query.getStringField(3);
            food.form.chucang = query.getStringField(4);
            food.form.xingwei = query.getStringField(5);
            food.photo = query.getStringField(6);
        }
    }
    DatabaseConnection gright(GrightDb);
    const std::string base = foodBaseName(food.form.name);
    auto goesWell = loadFoodRelations(gright, FoodRelation::GoesWell, base);
    auto incompatible = loadFoodRelations(gright, FoodRelation::Incompatible, base);
    food.form.goesWellWith = std::move(goesWell.others);
    food.form.goesWellNotes = std::move(goesWell.descriptions);
    food.form.incompatibleWith = std::move(incompatible.others);
    food.form.incompatibleNotes = std::move(incompatible.descriptions);
    return food;
}

Outcome<int> addFood(const FoodForm& typed)
{
    FoodForm form = typed;
    form.name = cleanName(typed.name);
    if (form.name.empty()) {
        return refuse(kNameEmpty);
    }
    if (holdsSeparator(form.name)) {
        return refuse(kSeparatorInName);
    }
    UnitOfWork work(CookDb, { GrightDb });
    CppSQLite3DB& cook = work.db();
    if (otherFoodNamed(cook, form.name, 0)) {
        return refuse(kFoodExists);
    }
    const auto smallTypeId = findFoodSubCategory(cook, form.topId, form.subCategoryName);
    if (!smallTypeId) {
        return refuse(kNoCategoryOnAdd);
    }
    const int foodId = nextId(cook, "FoodShow", "FoodID", 1);
    cook.execQuery(formatSql("INSERT INTO FoodCollocation VALUES('%d','%s','%s','%s','%s','%s','%s')", foodId,
        form.jieshao, form.gongxiao, form.tiaoxuan, form.chucang, form.xingwei, ""));
    insertFoodShow(cook, foodId, form.topId, *smallTypeId, form.name, form.nutrients, "");
    // The relations go in pair by pair under the base name, exactly as an edit stores them, so that
    // the edit dialog and the dishes' incompatibility check find what was entered here.
    saveRelations(cook, form);
    work.commit();
    return *smallTypeId;
}

Outcome<int> saveEditedFood(const LoadedFood& loaded, const FoodForm& form)
{
    return inUnitOfWork(CookDb, { GrightDb }, [&](CppSQLite3DB& cook) { return saveEditedFood(cook, loaded, form); });
}

Outcome<int> saveEditedFood(CppSQLite3DB& cook, const LoadedFood& loaded, const FoodForm& typed)
{
    FoodForm form = typed;
    form.name = cleanName(typed.name);
    const auto smallTypeId = findFoodSubCategory(cook, form.topId, form.subCategoryName);
    if (!smallTypeId) {
        return refuse(kNoCategoryOnEdit);
    }
    if (form.name.empty()) {
        return refuse(kNameEmpty);
    }
    if (holdsSeparator(form.name)) {
        return refuse(kSeparatorInName);
    }
    // Plans, set meals and the meal-time table name foods by name: two foods of one name corrupt them.
    if (otherFoodNamed(cook, form.name, loaded.foodId)) {
        return refuse(kFoodExists);
    }
    const bool hasTexts
        = !cook.execQuery(formatSql("SELECT * FROM FoodCollocation WHERE  CollocationID ='%d'", loaded.foodId)).eof();
    if (hasTexts) {
        cook.execQuery(formatSql("UPDATE FoodCollocation SET CollocationJieshao = '%s',CollocationGongxiao = "
                                 "'%s',CollocationTiaoxuan='%s',CollocationChucang = '%s',CollocationXingwei = "
                                 "'%s',CollocationPhoto = '%s' WHERE CollocationID = '%d'",
            form.jieshao, form.gongxiao, form.tiaoxuan, form.chucang, form.xingwei, loaded.photo, loaded.foodId));
    } else {
        // A food without its descriptive row would lose the texts just typed to an UPDATE of nothing.
        cook.execQuery(formatSql("INSERT INTO FoodCollocation VALUES('%d','%s','%s','%s','%s','%s','%s')",
            loaded.foodId, form.jieshao, form.gongxiao, form.tiaoxuan, form.chucang, form.xingwei, loaded.photo));
    }
    cook.execQuery(formatSql("DELETE FROM FoodShow WHERE FoodID = '%d'", loaded.foodId));
    insertFoodShow(cook, loaded.foodId, form.topId, *smallTypeId, form.name, form.nutrients, photoOfFood(loaded.photo));
    saveRelations(cook, form);
    return *smallTypeId;
}

Outcome<int> deleteFood(const std::string& name)
{
    UnitOfWork work(CookDb);
    CppSQLite3DB& cook = work.db();
    int foodId = 0;
    int smallTypeId = 0;
    {
        auto query = cook.execQuery(formatSql("SELECT * FROM FoodShow WHERE FoodName = '%s'", name));
        if (query.eof()) {
            return 0;
        }
        foodId = query.getIntField(0);
        smallTypeId = query.getIntField(2);
    }
    // Dishes name their foods by identifier: a deleted food would silently drop out of their
    // nutrients and could no longer be saved with them.
    if (!cook.execQuery(formatSql("SELECT * FROM CookFood WHERE CookFoodFID = '%d'", foodId)).eof()) {
        return refuse(kUsedByDish, kSystemPromptCaption);
    }
    cook.execQuery(formatSql("DELETE  FROM FoodShow WHERE FoodName = '%s'", name));
    cook.execQuery(formatSql("DELETE  FROM FoodCollocation WHERE CollocationID = '%d'", foodId));
    work.commit();
    return smallTypeId;
}

} // namespace pelinor
