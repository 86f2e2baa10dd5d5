#include "core/demo/LargeDemoMeals.h"

#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/NextId.h"
#include "core/demo/DemoRandom.h"
#include "core/demo/LargeDemoPeople.h"
#include "core/demo/SchoolCalendar.h"
#include "core/library/DishScaling.h"
#include "core/library/FoodRelations.h"
#include "core/library/PinyinInitial.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sqlite3.h>
#include <stdexcept>
#include <tuple>

namespace pelinor {

namespace {

using schoolcalendar::kLastDay;

constexpr const char* kDietitian = "系统管理员"; // the built-in account's display name

// Where a batch of a food came from: a variant of a shipped food is named after it, e.g.
// "大米（黑龙江产）" or "牛肉（瘦，内蒙古产）", so it sorts beside the food and shares its relations.
constexpr std::array<const char*, 26> kOrigins
    = { "黑龙江", "吉林", "辽宁", "内蒙古", "河北", "山东", "河南", "山西", "陕西", "江苏", "浙江", "安徽", "江西",
          "湖北", "湖南", "四川", "重庆", "云南", "贵州", "广东", "广西", "福建", "海南", "甘肃", "宁夏", "新疆" };

// FoodShow columns 5 … 41: the column whose variation each one follows. The derived columns move
// with the value they are derived from; -1 marks the two constants.
constexpr std::array<int, 37> kVariationSource = { -1, 6, 6, 8, 9, 10, 11, 11, 11, 14, -1, 16, 16, 18, 19, 20, 21, 22,
    23, 24, 25, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 25, 25 };
constexpr int kFirstValueColumn = 5;
constexpr int kFoodColumns = 45;

// The dish categories of the library and the course each one serves.
struct CourseOfCategory
{
    const char* category;
    int course;
};
constexpr std::array<CourseOfCategory, 6> kCourses = { {
    { "儿童主食", 0 },
    { "儿童粥", 1 },
    { "儿童荤菜", 2 },
    { "儿童素菜", 3 },
    { "儿童汤羹", 4 },
    { "儿童点心", 5 },
} };

// Portions at 80 % to 120 % of the dish's own weight.
constexpr std::array<double, 5> kPortionFactors = { 0.8, 0.9, 1.0, 1.1, 1.2 };

// Single foods served as they are, with the grams a portion weighs.
struct Snack
{
    const char* food;
    std::array<int, 3> grams;
};
constexpr std::array<Snack, 3> kDrinks
    = { { { "牛奶", { 150, 180, 200 } }, { "酸奶", { 100, 125, 150 } }, { "豆浆", { 150, 180, 200 } } } };
constexpr std::array<Snack, 6> kFruits
    = { { { "苹果", { 80, 100, 120 } }, { "香蕉", { 60, 80, 100 } }, { "梨", { 80, 100, 120 } },
        { "橙子", { 80, 100, 120 } }, { "猕猴桃", { 60, 80, 100 } }, { "橘子", { 60, 80, 100 } } } };
constexpr std::array<Snack, 1> kEggs = { { { "煮鸡蛋", { 50, 50, 60 } } } };
enum SnackGroup
{
    Drink,
    Fruit,
    Egg
};

std::vector<Snack> snacksOf(int group)
{
    switch (group) {
    case Drink:
        return { kDrinks.begin(), kDrinks.end() };
    case Fruit:
        return { kFruits.begin(), kFruits.end() };
    default:
        return { kEggs.begin(), kEggs.end() };
    }
}

constexpr std::array<const char*, 4> kSeasons = { "春", "夏", "秋", "冬" };
constexpr std::array<const char*, 12> kThemes
    = { "均衡", "健脑", "补钙", "清淡", "开胃", "长高", "护眼", "暖身", "清爽", "时令", "家常", "营养" };

std::string variantName(const std::string& name, const char* origin)
{
    const std::string closing = "）";
    if (name.size() > closing.size() && name.ends_with(closing)) {
        return name.substr(0, name.size() - closing.size()) + "，" + origin + "产）";
    }
    return name + "（" + origin + "产）";
}

double threeDecimals(double value)
{
    return wholeDecimal(formatFixed(value, 3)).value_or(0.0);
}

// "2024年3月第2周": the week of a Monday within its month.
std::string weekTitle(const CalendarDate& monday)
{
    return formatInt(monday.year) + "年" + formatInt(monday.month) + "月第" + formatInt((monday.day - 1) / 7 + 1)
        + "周";
}

std::string dayTitle(const CalendarDate& day)
{
    return formatInt(day.year) + "年" + formatInt(day.month) + "月" + formatInt(day.day) + "日";
}

std::string clockTime(DemoRandom& random)
{
    const int hour = random.between(8, 17);
    const int minute = random.below(60);
    const int second = random.below(60);
    auto two = [](int value) { return (value < 10 ? "0" : "") + formatInt(value); };
    return two(hour) + ":" + two(minute) + ":" + two(second);
}

} // namespace

LargeDemoMeals::LargeDemoMeals(const LargeDemoSize& size, std::uint64_t seed, const LargeDemoPeople& people)
    : m_size(size)
    , m_seed(seed)
    , m_people(people)
{
}

void LargeDemoMeals::writeCook(CppSQLite3DB& cook)
{
    writeFoodVariants(cook);
    readDishes(cook);
    readSnackFoods(cook);
}

void LargeDemoMeals::writeFoodVariants(CppSQLite3DB& cook)
{
    DemoRandom random(m_seed + 404);
    struct Cell
    {
        int type = SQLITE_NULL;
        long long integer = 0;
        double real = 0.0;
        std::string text;
    };
    using Row = std::array<Cell, kFoodColumns>;
    std::vector<Row> shipped;
    std::set<std::string> names;
    for (auto query = cook.execQuery("SELECT * FROM FoodShow ORDER BY rowid"); !query.eof(); query.nextRow()) {
        Row row;
        for (int c = 0; c < kFoodColumns; ++c) {
            Cell& cell = row[static_cast<size_t>(c)];
            cell.type = query.fieldDataType(c);
            if (cell.type == SQLITE_INTEGER) {
                cell.integer = query.getInt64Field(c);
            } else if (cell.type == SQLITE_FLOAT) {
                cell.real = query.getFloatField(c);
            } else if (cell.type != SQLITE_NULL) {
                cell.type = SQLITE_TEXT;
                cell.text = query.getStringField(c);
            }
        }
        names.insert(row[3].text);
        shipped.push_back(std::move(row));
    }
    std::map<long long, std::array<std::string, 6>> texts;
    for (auto query = cook.execQuery("SELECT * FROM FoodCollocation ORDER BY rowid"); !query.eof(); query.nextRow()) {
        texts.try_emplace(query.getInt64Field(0),
            std::array { query.getStringField(1), query.getStringField(2), query.getStringField(3),
                query.getStringField(4), query.getStringField(5), query.getStringField(6) });
    }
    const int extra = m_size.foods - static_cast<int>(shipped.size());
    if (extra <= 0 || shipped.empty()) {
        return;
    }
    const int each = extra / static_cast<int>(shipped.size());
    if (each + 1 > static_cast<int>(kOrigins.size())) {
        throw std::invalid_argument("the large demo has not that many places foods come from");
    }
    // Which foods get one variant more than the others.
    std::vector<int> order(shipped.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    random.shuffle(order);
    std::vector<int> counts(shipped.size(), each);
    for (int i = 0; i < extra % static_cast<int>(shipped.size()); ++i) {
        ++counts[static_cast<size_t>(order[static_cast<size_t>(i)])];
    }

    long long nextFoodId = nextId(cook, "FoodShow", "FoodID", 1);
    std::string sql = "INSERT INTO FoodShow VALUES(?";
    for (int c = 1; c < kFoodColumns; ++c) {
        sql += ",?";
    }
    sql += ")";
    auto foodRow = cook.compileStatement(sql);
    auto textRow = cook.compileStatement("INSERT INTO FoodCollocation VALUES(?,?,?,?,?,?,?)");
    for (size_t f = 0; f < shipped.size(); ++f) {
        const Row& base = shipped[f];
        std::array<const char*, kOrigins.size()> origins = kOrigins;
        random.shuffle(origins);
        size_t nextOrigin = 0;
        for (int v = 0; v < counts[f]; ++v) {
            std::string name;
            while (name.empty() || !names.insert(name).second) {
                if (nextOrigin == origins.size()) {
                    throw std::logic_error("the large demo ran out of variant names for " + base[3].text);
                }
                name = variantName(base[3].text, origins[nextOrigin++]);
            }
            std::array<double, kFoodColumns> factor {};
            for (int c = kFirstValueColumn; c < kFirstValueColumn + static_cast<int>(kVariationSource.size()); ++c) {
                factor[static_cast<size_t>(c)] = 1.0 + random.between(-80, 80) / 1000.0;
            }
            const long long foodId = nextFoodId++;
            for (int c = 0; c < kFoodColumns; ++c) {
                const Cell& cell = base[static_cast<size_t>(c)];
                const int parameter = c + 1;
                if (c == 0) {
                    foodRow.bind(parameter, foodId);
                } else if (c == 3) {
                    foodRow.bind(parameter, name);
                } else if (c == 43) {
                    foodRow.bind(parameter, PinyinInitial(name));
                } else if (cell.type == SQLITE_NULL) {
                    foodRow.bindNull(parameter);
                } else if (c >= kFirstValueColumn
                    && c < kFirstValueColumn + static_cast<int>(kVariationSource.size())) {
                    const int source = kVariationSource[static_cast<size_t>(c - kFirstValueColumn)];
                    const double value = cell.type == SQLITE_INTEGER ? static_cast<double>(cell.integer) : cell.real;
                    foodRow.bind(
                        parameter, source < 0 ? value : threeDecimals(value * factor[static_cast<size_t>(source)]));
                } else if (cell.type == SQLITE_INTEGER) {
                    foodRow.bind(parameter, cell.integer);
                } else if (cell.type == SQLITE_FLOAT) {
                    foodRow.bind(parameter, cell.real);
                } else {
                    foodRow.bind(parameter, cell.text);
                }
            }
            foodRow.execute();
            // Every food has its row of texts; a variant reads like the food it comes from.
            const auto found = base[0].type == SQLITE_INTEGER ? texts.find(base[0].integer) : texts.end();
            textRow.bind(1, foodId);
            for (int t = 0; t < 5; ++t) {
                textRow.bind(2 + t, found == texts.end() ? std::string() : found->second[static_cast<size_t>(t)]);
            }
            textRow.bind(7, "");
            textRow.execute();
        }
    }
}

void LargeDemoMeals::readDishes(CppSQLite3DB& cook)
{
    struct Found
    {
        std::string name;
        std::string category;
        double weight;
    };
    std::vector<Found> found;
    for (auto query = cook.execQuery("SELECT CookName, CookCategory, CookWeight FROM CookShow ORDER BY rowid");
         !query.eof(); query.nextRow()) {
        found.push_back({ query.getStringField(0), query.getStringField(1), query.getFloatField(2) });
    }
    for (const Found& dish : found) {
        const auto course = std::find_if(
            kCourses.begin(), kCourses.end(), [&](const CourseOfCategory& c) { return dish.category == c.category; });
        if (course == kCourses.end() || dish.weight <= 0.0) {
            continue;
        }
        Dish portions;
        portions.name = dish.name;
        for (size_t p = 0; p < kPortionFactors.size(); ++p) {
            const double grams = std::round(dish.weight * kPortionFactors[p]);
            portions.weights[p] = formatFixed(grams, 0);
            portions.wholeDish[p]
                = scaleDishComposition(cook, dish.name, static_cast<float>(grams), DishScaling::WholeDish);
            portions.mainIngredients[p]
                = scaleDishComposition(cook, dish.name, static_cast<float>(grams), DishScaling::MainIngredients);
        }
        m_dishes[static_cast<size_t>(course->course)].push_back(std::move(portions));
    }
    for (const auto& course : m_dishes) {
        if (course.size() < 3) {
            throw std::logic_error("the dish library has too few dishes of one course for the large demo");
        }
    }
}

void LargeDemoMeals::readSnackFoods(CppSQLite3DB& cook)
{
    for (int group : { Drink, Fruit, Egg }) {
        for (const Snack& snack : snacksOf(group)) {
            m_snackFoods[snack.food];
        }
    }
    for (auto query = cook.execQuery("SELECT FoodName FROM FoodShow ORDER BY rowid"); !query.eof(); query.nextRow()) {
        const std::string name = query.getStringField(0);
        const auto snack = m_snackFoods.find(foodBaseName(name));
        if (snack != m_snackFoods.end()) {
            // The food itself first, then its variants.
            auto& names = snack->second;
            names.insert(name == snack->first ? names.begin() : names.end(), name);
        }
    }
    for (const auto& [food, names] : m_snackFoods) {
        if (names.empty() || names.front() != food) {
            throw std::logic_error("the food library lacks " + food);
        }
    }
}

void LargeDemoMeals::addDishes(
    DemoRandom& random, std::vector<Item>& items, Course course, int count, const char* meal, bool fromChooser) const
{
    const auto& dishes = m_dishes[static_cast<size_t>(course)];
    // A dish twice in one meal would be one item with more weight: draw again.
    for (int added = 0, attempt = 0; added < count && attempt < 50; ++attempt) {
        const Dish& dish = random.pick(dishes);
        const bool served = std::any_of(
            items.begin(), items.end(), [&](const Item& item) { return item.meal == meal && item.name == dish.name; });
        if (served) {
            continue;
        }
        ++added;
        const auto portion = static_cast<size_t>(random.below(static_cast<int>(kPortionFactors.size())));
        items.push_back({ dish.name, fromChooser ? dish.mainIngredients[portion] : dish.wholeDish[portion], meal, "是",
            dish.weights[portion] });
    }
}

void LargeDemoMeals::addSnack(DemoRandom& random, std::vector<Item>& items, int group, const char* meal) const
{
    const std::vector<Snack> snacks = snacksOf(group);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const Snack& snack = random.pick(snacks);
        const std::vector<std::string>& names = m_snackFoods.at(snack.food);
        // Half of the time the kitchen names the batch it used.
        const std::string& name = random.chance(50) ? names.front() : random.pick(names);
        const int grams = random.pick(snack.grams);
        const bool served = std::any_of(items.begin(), items.end(),
            [&](const Item& item) { return item.meal == meal && foodBaseName(item.name) == snack.food; });
        if (served) {
            continue;
        }
        const std::string weight = formatInt(grams);
        items.push_back({ name, name + ":" + weight + "g；", meal, "否", weight });
        return;
    }
}

std::vector<LargeDemoMeals::Item> LargeDemoMeals::dayMenu(DemoRandom& random, bool fromChooser) const
{
    std::vector<Item> items;
    const char* meal = kMealSlots[0].data();
    addDishes(random, items, Porridge, 1, meal, fromChooser);
    addDishes(random, items, Pastry, 1, meal, fromChooser);
    if (random.chance(60)) {
        addDishes(random, items, Staple, 1, meal, fromChooser);
    }
    if (random.chance(70)) {
        addSnack(random, items, Egg, meal);
    }
    if (random.chance(30)) {
        addSnack(random, items, Drink, meal);
    }

    meal = kMealSlots[1].data();
    addSnack(random, items, Drink, meal);
    if (random.chance(85)) {
        addSnack(random, items, Fruit, meal);
    }
    if (random.chance(30)) {
        addDishes(random, items, Pastry, 1, meal, fromChooser);
    }

    meal = kMealSlots[2].data();
    addDishes(random, items, Staple, 1, meal, fromChooser);
    addDishes(random, items, MeatDish, random.chance(85) ? 2 : 1, meal, fromChooser);
    addDishes(random, items, VegetableDish, random.chance(85) ? 2 : 1, meal, fromChooser);
    addDishes(random, items, Soup, 1, meal, fromChooser);
    if (random.chance(45)) {
        addDishes(random, items, VegetableDish, 1, meal, fromChooser);
    }

    meal = kMealSlots[3].data();
    addDishes(random, items, Pastry, 1, meal, fromChooser);
    addSnack(random, items, Fruit, meal);
    if (random.chance(60)) {
        addSnack(random, items, Drink, meal);
    }

    meal = kMealSlots[4].data();
    addDishes(random, items, random.chance(75) ? Staple : Porridge, 1, meal, fromChooser);
    addDishes(random, items, MeatDish, random.chance(50) ? 2 : 1, meal, fromChooser);
    addDishes(random, items, VegetableDish, random.chance(50) ? 2 : 1, meal, fromChooser);
    if (random.chance(70)) {
        addDishes(random, items, Soup, 1, meal, fromChooser);
    }
    return items;
}

std::vector<int> LargeDemoMeals::groupOfClasses(DemoRandom& random) const
{
    const auto& classes = m_people.classes();
    const int ageGroup = classes[static_cast<size_t>(random.below(static_cast<int>(classes.size())))].ageGroup;
    std::vector<int> sameAge;
    for (const DemoClass& demoClass : classes) {
        if (demoClass.ageGroup == ageGroup) {
            sameAge.push_back(demoClass.id);
        }
    }
    const int wanted = std::min(static_cast<int>(sameAge.size()), random.between(1, 3));
    random.shuffle(sameAge);
    sameAge.resize(static_cast<size_t>(wanted));
    std::sort(sameAge.begin(), sameAge.end());
    return sameAge;
}

std::string LargeDemoMeals::classList(const std::vector<int>& classes) const
{
    std::vector<std::string> names;
    for (int index : classes) {
        names.push_back(m_people.classes()[static_cast<size_t>(index)].name);
    }
    return joinItems(names);
}

void LargeDemoMeals::writePantry(CppSQLite3DB& pantry)
{
    if (m_dishes[0].empty()) {
        throw std::logic_error("the large demo writes the cook file before the plans");
    }
    DemoRandom random(m_seed + 505);
    std::vector<int> allClasses;
    for (const DemoClass& demoClass : m_people.classes()) {
        allClasses.push_back(demoClass.id);
    }
    const auto& children = m_people.children();

    // Who a plan is for: mostly one to three classes of an age group, now and then the whole
    // kindergarten, sometimes one child.
    auto chooseSubject = [&](Plan& plan, const std::string& when) {
        const int roll = random.below(100);
        if (roll >= 85) {
            std::vector<size_t> present;
            for (size_t c = 0; c < children.size(); ++c) {
                if (children[c].inTime <= plan.date) {
                    present.push_back(c);
                }
            }
            if (!present.empty()) {
                const DemoChild& child = children[random.pick(present)];
                plan.kind = "个人";
                plan.subject = child.name;
                plan.archId = child.archId;
                plan.name = child.name + when + "食谱";
                return;
            }
        }
        plan.kind = "团体";
        if (roll < 12) {
            plan.subject = classList(allClasses);
            plan.name = "全园" + when + "食谱";
            return;
        }
        const std::vector<int> group = groupOfClasses(random);
        plan.subject = classList(group);
        plan.name = m_people.classes()[static_cast<size_t>(group.front())].name + (group.size() > 1 ? "组" : "") + when
            + "食谱";
    };

    struct Made
    {
        Plan plan;
        int order;
    };
    std::vector<Made> made;
    const std::vector<CalendarDate> weeks = schoolcalendar::schoolWeeks();
    for (int k = 0; k < m_size.weekPlans; ++k) {
        Plan plan;
        plan.cycle = "一周";
        plan.date = weeks[static_cast<size_t>(
            static_cast<long long>(k) * static_cast<long long>(weeks.size()) / m_size.weekPlans)];
        // The Monday is saved last in the week before (the plan's row is written again then).
        plan.created = plan.date.plusDays(-random.between(1, 4));
        chooseSubject(plan, weekTitle(plan.date));
        for (int d = 0; d < 5; ++d) {
            plan.days.push_back(dayMenu(random, random.chance(30)));
        }
        made.push_back({ std::move(plan), k });
    }
    const std::vector<CalendarDate> days = schoolcalendar::schoolDays(schoolcalendar::kFirstPlanMonday, kLastDay);
    for (int k = 0; k < m_size.dayPlans; ++k) {
        Plan plan;
        plan.cycle = "一天";
        plan.date = random.pick(days);
        plan.created = plan.date.plusDays(-random.below(3));
        chooseSubject(plan, dayTitle(plan.date));
        plan.days.push_back(dayMenu(random, random.chance(30)));
        made.push_back({ std::move(plan), m_size.weekPlans + k });
    }
    // Plan numbers follow the order the plans were saved in.
    std::stable_sort(made.begin(), made.end(), [](const Made& a, const Made& b) {
        return std::tie(a.plan.created, a.plan.date, a.order) < std::tie(b.plan.created, b.plan.date, b.order);
    });

    auto record = pantry.compileStatement("INSERT INTO  PantryRecord VALUES(?,?,?,?,?,?,?,?,?)");
    auto item = pantry.compileStatement("INSERT INTO  PantryCook VALUES(?,?,?,?,?,?,?,?,?)");
    int itemId = 0;
    for (size_t id = 0; id < made.size(); ++id) {
        const Plan& plan = made[id].plan;
        record.bind(1, static_cast<int>(id));
        record.bind(2, plan.name);
        record.bind(3, plan.cycle);
        record.bind(4, plan.created.text());
        record.bind(5, kDietitian);
        record.bind(6, plan.kind);
        record.bind(7, plan.subject);
        record.bind(8, plan.date.text());
        record.bind(9, plan.archId);
        record.execute();
        for (size_t d = 0; d < plan.days.size(); ++d) {
            const std::string dayKey(plan.cycle == "一天" ? kOneDayKey : kWeekDayKeys[d]);
            const std::string date = plan.date.plusDays(static_cast<long long>(d)).text();
            for (const Item& planItem : plan.days[d]) {
                item.bind(1, itemId++);
                item.bind(2, static_cast<int>(id));
                item.bind(3, planItem.name);
                item.bind(4, planItem.composition);
                item.bind(5, dayKey);
                item.bind(6, planItem.meal);
                item.bind(7, date);
                item.bind(8, planItem.isDish);
                item.bind(9, planItem.weight);
                item.execute();
            }
        }
        m_plans.push_back(std::move(made[id].plan));
    }
}

void LargeDemoMeals::writePackage(CppSQLite3DB& package)
{
    if (m_plans.empty() && m_size.weekPlans + m_size.dayPlans > 0) {
        throw std::logic_error("the large demo writes the plans before the set meals");
    }
    DemoRandom random(m_seed + 606);
    int shipped = 0;
    {
        auto query = package.execQuery("SELECT COUNT(*) FROM PackageName");
        shipped = query.getIntField(0);
    }
    int setMealId = nextId(package, "PackageName", "ID", 0);
    int itemId = nextId(package, "PackageCook", "PcookID", 0);

    struct SetMeal
    {
        std::string title;
        CalendarDate date;
        std::string object;
        bool fromPlan;
        std::vector<Item> items;
        std::string savedAt; // set-meal page: the time of the save
        int order;
    };
    std::vector<std::tuple<int, int, int>> titles; // year, season, theme
    for (int year = kLastDay.year - 4; year <= kLastDay.year; ++year) {
        for (int season = 0; season < 4; ++season) {
            for (int theme = 0; theme < static_cast<int>(kThemes.size()); ++theme) {
                titles.emplace_back(year, season, theme);
            }
        }
    }
    random.shuffle(titles);
    size_t nextTitle = 0;

    std::vector<SetMeal> setMeals;
    for (int k = 0; k < m_size.setMeals - shipped; ++k) {
        SetMeal setMeal;
        setMeal.order = k;
        setMeal.fromPlan = !m_plans.empty() && random.chance(50);
        if (setMeal.fromPlan) {
            // The menu view keeps one planned day: the plan's subject, the day's date and items.
            const Plan& plan = random.pick(m_plans);
            const auto day = static_cast<size_t>(random.below(static_cast<int>(plan.days.size())));
            setMeal.title = plan.cycle == "一天" ? plan.name : plan.name + "（" + std::string(kWeekDayKeys[day]) + "）";
            setMeal.date = plan.date.plusDays(static_cast<long long>(day));
            setMeal.object = plan.subject;
            setMeal.items = plan.days[day];
        } else {
            if (nextTitle == titles.size()) {
                throw std::invalid_argument("the large demo has not that many set-meal names");
            }
            const auto [year, season, theme] = titles[nextTitle++];
            setMeal.title = formatInt(year) + "年" + kSeasons[static_cast<size_t>(season)] + "季"
                + kThemes[static_cast<size_t>(theme)] + "套餐";
            // Saved on a working day of its season.
            setMeal.date
                = schoolcalendar::nextSchoolDay(CalendarDate { year, 3 + 3 * season, 1 }.plusDays(random.below(85)));
            if (setMeal.date > kLastDay) {
                setMeal.date = schoolcalendar::nextSchoolDay(kLastDay.plusDays(-random.between(30, 90)));
            }
            setMeal.object = classList(random.chance(20) ? std::vector<int> {} : groupOfClasses(random));
            if (setMeal.object.empty()) {
                std::vector<int> all;
                for (const DemoClass& demoClass : m_people.classes()) {
                    all.push_back(demoClass.id);
                }
                setMeal.object = classList(all);
            }
            setMeal.items = dayMenu(random, true);
            setMeal.savedAt = setMeal.date.text() + " " + clockTime(random);
        }
        setMeals.push_back(std::move(setMeal));
    }
    std::stable_sort(setMeals.begin(), setMeals.end(),
        [](const SetMeal& a, const SetMeal& b) { return std::tie(a.date, a.order) < std::tie(b.date, b.order); });

    auto head = package.compileStatement("INSERT INTO PackageName  VALUES(?,?,?,?)");
    auto row = package.compileStatement("INSERT INTO PackageCook VALUES(?,?,?,?,?,?,?,?)");
    for (const SetMeal& setMeal : setMeals) {
        const int id = setMealId++;
        head.bind(1, id);
        head.bind(2, setMeal.title);
        head.bind(3, setMeal.date.text());
        head.bind(4, setMeal.object);
        head.execute();
        for (const Item& item : setMeal.items) {
            row.bind(1, itemId++);
            row.bind(2, id);
            row.bind(3, item.name);
            // The set-meal page keeps weights with one decimal; the menu view copies the plan's text.
            row.bind(4, setMeal.fromPlan ? item.weight : formatFixed(leadingDecimal(item.weight), 1));
            row.bind(5, item.meal);
            row.bind(6, setMeal.fromPlan ? setMeal.date.text() : setMeal.savedAt);
            row.bind(7, item.isDish);
            row.bind(8, item.composition);
            row.execute();
        }
    }
}

} // namespace pelinor
