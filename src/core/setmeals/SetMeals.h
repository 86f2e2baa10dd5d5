#pragma once

#include "core/common/Outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One set meal as the lists show it (PackageName).
struct SetMealHead
{
    int id = 0;
    std::string title; // 套餐名称
    std::string date; // the day it was saved on, or the planned day it was made from
    std::string object; // the classes it suits, joined by "；"
};

// One dish or single food of a set meal (PackageCook).
struct SetMealItem
{
    std::string meal; // one of the five meal times
    std::string name;
    std::string weight; // grams, as text
    std::string isDish; // "是" or "否"
    std::string composition; // "name:gramsg；" per food
};

// A set meal as the set-meal page holds it. `id` is the number of the stored set meal it was loaded
// from; a new one has none until it is saved.
struct SetMeal
{
    std::optional<int> id;
    std::string title;
    std::string object;
    std::vector<SetMealItem> items;
};

// Every set meal in number order.
std::vector<SetMealHead> listSetMeals();

// The set meals whose name or object contains the text; every set meal for an empty text.
std::vector<SetMealHead> searchSetMeals(const std::string& text);

std::optional<SetMealHead> loadSetMealHead(int id);

// The items of a set meal in stored order.
std::vector<SetMealItem> loadSetMealItems(int id);

// The stored set meal with its items; nothing when no set meal has the number.
std::optional<SetMeal> loadSetMeal(int id);

// The number a set meal saved now would get, for showing a new one in the list. The save allocates
// the number itself.
int nextSetMealNumber();

// What a save came to: the number the set meal is stored under now.
struct SavedSetMeal
{
    int id = 0;
    bool created = false;
};

// The message naming the first meal time without an item, in meal-time order ("请添加午点信息"), or
// nothing when every meal time has one.
std::optional<std::string> missingMealMessage(const std::vector<SetMealItem>& items);

// Saves a set meal in one transaction. Refused without a name ("请添加套餐信息！") or while a meal time
// has no item. A set meal whose number still belongs to a head of the same name keeps that head and
// gets its items replaced; any other (new, or its number taken by another set meal since) gets a new
// number and head, allocated inside the transaction. Items are written with their weights as "%.1f"
// and the time of the save. A failure leaves everything as it was and is refused with
// "套餐名称保存失败！" (head) or "套餐详细信息保存失败！" (items).
Outcome<SavedSetMeal> saveSetMeal(const SetMeal& setMeal);

// Deletes the set meal with that number and its items, and moves every later set meal (and its
// items) down by one, all in one transaction. False when no set meal has the number (then nothing
// is renumbered).
bool deleteSetMeal(int id);

} // namespace pelinor
