#pragma once

#include "core/db/CppSQLite3DB.h"

#include <initializer_list>
#include <string>

namespace pelinor {

// One change to the data, whole or not at all: a connection to one database file with the other
// files it touches attached, and one transaction over all of them, begun at once with the write
// lock taken (BEGIN IMMEDIATE), so a check and the writes that depend on it see the same data.
//
//   UnitOfWork work(PackageDb, { CookDb });
//   ... checks and writes through work.db() ...
//   work.commit();             // leaving the scope without it rolls everything back
//
// Tables of an attached file are named with its schema name (`schemaName(CookDb)` is "cook":
// "cook.FoodShow") or, where the name is unique across the files, without it. Core operations
// take a `CppSQLite3DB&` so they can run inside a caller's unit of work.
class UnitOfWork
{
public:
    explicit UnitOfWork(int mainDatabase, std::initializer_list<int> attached = {});
    UnitOfWork(const UnitOfWork&) = delete;
    UnitOfWork& operator=(const UnitOfWork&) = delete;
    ~UnitOfWork();

    CppSQLite3DB& db()
    {
        return m_db;
    }

    void commit();

    // The name an attached file goes by: its file name without the extension, in lower case
    // ("record", "sysmanager", "cook", "evaluation" ...).
    static std::string schemaName(int databaseId);

private:
    CppSQLite3DB m_db;
    bool m_open = false;
};

// Runs a change that returns an Outcome on a unit of work of its own and keeps it only when it
// went through; a refusal or an exception leaves every file as it was. A core operation written
// for a caller's connection gets its stand-alone form this way:
//   Outcome<int> addDish(const DishTexts& t, const DishIngredientList& i)
//   {
//       return inUnitOfWork(CookDb, {}, [&](CppSQLite3DB& cook) { return addDish(cook, t, i); });
//   }
template <typename Change> auto inUnitOfWork(int mainDatabase, std::initializer_list<int> attached, Change&& change)
{
    UnitOfWork work(mainDatabase, attached);
    auto outcome = change(work.db());
    if (outcome.ok()) {
        work.commit();
    }
    return outcome;
}

} // namespace pelinor
