#pragma once

#include "core/common/CalendarDate.h"
#include "core/demo/LargeDemoSize.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;
class DemoRandom;
class LargeDemoPeople;

// The meals of the large demonstration kindergarten: food variants in the library, five years of
// meal plans and the set meals, drawn from one seed. The cook file must be written first: plans
// and set meals are made of its dishes and foods.
class LargeDemoMeals
{
public:
    LargeDemoMeals(const LargeDemoSize& size, std::uint64_t seed, const LargeDemoPeople& people);

    // Food variants after the shipped foods (FoodShow, FoodCollocation); then reads the dishes.
    void writeCook(CppSQLite3DB& cook);
    // PantryRecord and PantryCook.
    void writePantry(CppSQLite3DB& pantry);
    // PackageName and PackageCook after the shipped set meals.
    void writePackage(CppSQLite3DB& package);

private:
    struct Item
    {
        std::string name;
        std::string composition;
        std::string meal;
        std::string isDish;
        std::string weight;
    };
    struct Plan
    {
        std::string name;
        std::string cycle;
        CalendarDate created;
        std::string kind;
        std::string subject;
        CalendarDate date;
        std::string archId;
        std::vector<std::vector<Item>> days; // one day, or Monday to Friday
    };
    // One dish at five portion sizes, as the plan editor's recommendation scales it (every food,
    // whole grams) and as the item chooser does (main foods, two decimals).
    struct Dish
    {
        std::string name;
        std::array<std::string, 5> weights;
        std::array<std::string, 5> wholeDish;
        std::array<std::string, 5> mainIngredients;
    };
    enum Course
    {
        Staple,
        Porridge,
        MeatDish,
        VegetableDish,
        Soup,
        Pastry,
        CourseCount
    };

    void writeFoodVariants(CppSQLite3DB& cook);
    void readDishes(CppSQLite3DB& cook);
    void readSnackFoods(CppSQLite3DB& cook);
    std::vector<Item> dayMenu(DemoRandom& random, bool fromChooser) const;
    void addDishes(DemoRandom& random,
        std::vector<Item>& items,
        Course course,
        int count,
        const char* meal,
        bool fromChooser) const;
    void addSnack(DemoRandom& random, std::vector<Item>& items, int group, const char* meal) const;
    std::vector<int> groupOfClasses(DemoRandom& random) const;
    std::string classList(const std::vector<int>& classes) const;

    LargeDemoSize m_size;
    std::uint64_t m_seed;
    const LargeDemoPeople& m_people;
    std::array<std::vector<Dish>, CourseCount> m_dishes;
    std::map<std::string, std::vector<std::string>> m_snackFoods; // base name -> the food and its variants
    std::vector<Plan> m_plans; // in plan-number order
};

} // namespace pelinor
