#pragma once

#include <string>

namespace pelinor {

class CppSQLite3DB;

// The name under which the relation tables know a food: the name cut before its first "（", or,
// when it has none, before its first "[" ("大米（粳）" is "大米").
std::string foodBaseName(const std::string& name);

// The two relation tables of the gright database.
enum class FoodRelation
{
    GoesWell, // FoodBarter, "食物相宜"
    Incompatible, // FoodPhaseg, "食物相克"
};

// A food's relations as the food dialogs show them: the other foods joined by "|" and their
// descriptions joined by "|", in the same order.
struct RelationTexts
{
    std::string others;
    std::string descriptions;
};

// The relations stored under `baseName` as subject.
RelationTexts loadFoodRelations(CppSQLite3DB& gright, FoodRelation relation, const std::string& baseName);

// Stores the pairs of the texts: the n-th food of `others` gets the n-th part of `descriptions`
// (empty when the descriptions run out). A pair already stored, in either order, only gets its
// description updated; nothing is ever deleted here. Runs inside the caller's transaction.
void saveFoodRelations(CppSQLite3DB& gright,
    FoodRelation relation,
    const std::string& baseName,
    const std::string& others,
    const std::string& descriptions);

} // namespace pelinor
