#pragma once

#include "core/common/Outcome.h"

#include <functional>
#include <string>

namespace pelinor {

class CppSQLite3DB;

// What a new data folder is filled with, each level including the ones before it.
enum class DataFolderContent
{
    TablesOnly, // every table, no rows: for tests that add only the rows they need
    FirstRows, // plus the administrator's account and role and the three built-in classes
    Library, // plus the food, dish, set-meal, reference-intake, knowledge and vaccine library
    Demo, // plus demonstration classes, children and plans
};

// Creates the twelve database files in `folder` (made if missing). Refuses, and changes nothing,
// when any of the files exists already, so a user's data can never be replaced by accident.
// The files are built under temporary names and renamed only when all of them are complete. A
// refusal's message says what went wrong.
Outcome<> createDataFolder(const std::string& folder, DataFolderContent content);

// Adds rows of the caller's own to one database file once its content level is in, inside the
// same transaction. The files are filled in DatabaseId order, so a filler may use what it read
// from an earlier file. Anything it throws abandons the whole folder, like a failing SQL file.
using DataFolderFiller = std::function<void(int databaseId, CppSQLite3DB& db)>;

// createDataFolder with extra rows from `filler`; same refusals, same temporary names.
Outcome<> createDataFolder(const std::string& folder, DataFolderContent content, const DataFolderFiller& filler);

} // namespace pelinor
