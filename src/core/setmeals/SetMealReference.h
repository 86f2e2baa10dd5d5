#pragma once

#include <array>
#include <string>

namespace pelinor {

// The nineteen values of the set-meal page's reference panel, in panel order: energy, protein, fat,
// carbohydrate, calcium, phosphorus, potassium, sodium, magnesium, iron, zinc, selenium, copper,
// manganese, iodine, vitamin C, vitamin E, vitamin A, vitamin B1.
inline constexpr int kSetMealPanelCount = 19;
// The CDRIS column of each panel value; -1 for carbohydrate, which is derived from the energy.
inline constexpr std::array<int, kSetMealPanelCount> kSetMealPanelColumn
    = { 6, 7, 8, -1, 9, 10, 11, 12, 13, 14, 16, 17, 18, 21, 15, 30, 25, 23, 26 };

struct SetMealReferenceValues
{
    std::array<float, kSetMealPanelCount> values {};
    int boys = 0;
    int girls = 0;
    bool fallback = false; // nobody counted: the first stored row of age 4
};

// The reference of a set meal for the classes of its object ("；" between them): every child of
// those classes counts for its sex (ages from today's year minus the birth year), and adds its
// CDRIS row when there is one, so a child without a row lowers its sex's mean. The result is the
// mean of the two sex means (one sex alone: its mean). With nobody counted, the first stored row
// of age 4, whatever its sex. Carbohydrate = energy × 0.6 × 0.25, all in single precision.
SetMealReferenceValues SetMealReference(const std::string& object);

// Each meal time's share of the day (breakfast 0.2, morning snack 0.1, lunch 0.3, afternoon snack
// 0.1, dinner 0.3) and a meal's reference for energy, protein, fat and carbohydrate.
inline constexpr std::array<float, 5> kSetMealMealShares = { 0.2f, 0.1f, 0.3f, 0.1f, 0.3f };
std::array<float, 4> setMealMealReference(const SetMealReferenceValues& day, int mealSlot);

} // namespace pelinor
