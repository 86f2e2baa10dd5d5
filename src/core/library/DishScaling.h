#pragma once

#include <string>

namespace pelinor {

class CppSQLite3DB;

// How a dish is fitted to a portion weight when it goes into a plan or a set meal.
enum class DishScaling
{
    // The plan editor's recommended dish: every ingredient row, grams rounded to whole numbers.
    WholeDish,
    // The item chooser's dish: only the "主料" rows, grams with two decimals; the other rows
    // still count in the dish's total.
    MainIngredients,
};

// The DishComposition of the dish `dishName` scaled to `weight` grams: for each ingredient row in
// stored order, grams = row grams × weight / total grams of all rows (single precision), as
// "name:grams g；". A dish that is not found gives an empty text; a dish whose rows weigh 0 in all
// gives 0 g for each food (never "inf" or "nan"). Reads the cook file.
std::string scaleDishComposition(CppSQLite3DB& cookDb, const std::string& dishName, float weight, DishScaling mode);

// The two named forms, each on a connection of its own to the cook file.
std::string ScaleDish(const std::string& dishName, float weight);
std::string ScaleMainIngredients(const std::string& dishName, float weight);

} // namespace pelinor
