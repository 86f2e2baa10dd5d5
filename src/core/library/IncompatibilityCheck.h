#pragma once

#include <string>

namespace pelinor {

class CppSQLite3DB;

inline constexpr const char* kIncompatibleMessage = "菜谱中有两种原料相克，请重新选择";

// The foods that must not be eaten with the food of this base name, each followed by "；": first the
// partners of the pairs it is the subject of, then those of the pairs it is the object of.
std::string incompatibilityBlock(CppSQLite3DB& gright, const std::string& baseName);

// Whether a candidate clashes with a dish: the dish's incompatible-foods text contains the base name.
// This is a text test, so a name that is part of a listed name clashes too ("菠菜" in "菠菜汁；").
bool clashesWith(const std::string& incompatibleText, const std::string& baseName);

} // namespace pelinor
