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
// when any of the names is taken already (by a file, a folder, a link even to nothing, or a
// journal SQLite would read into the new file), so a user's data can never be replaced by
// accident; only an empty file of 0 bytes, which holds nothing, is replaced. The files are built in
// a work folder inside `folder` and moved to their names only when all of them are complete; a
// failure part-way removes whatever the call made. While one call creates a folder, another one
// for the same folder refuses.
Outcome<> createDataFolder(const std::string& folder, DataFolderContent content);

// The first name in `folder` that keeps createDataFolder from making the folder (the path that
// stands in the way); empty when the folder holds none of the twelve files but empty ones.
std::string takenDataFileName(const std::string& folder);

// Adds rows of the caller's own to one database file once its content level is in, inside the
// same transaction. The files are filled in DatabaseId order, so a filler may use what it read
// from an earlier file. Anything it throws abandons the whole folder, like a failing SQL file.
using DataFolderFiller = std::function<void(int databaseId, CppSQLite3DB& db)>;

// createDataFolder with extra rows from `filler`; same refusals, same temporary names.
Outcome<> createDataFolder(const std::string& folder, DataFolderContent content, const DataFolderFiller& filler);

} // namespace pelinor
