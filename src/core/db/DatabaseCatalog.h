#pragma once

#include <string>

namespace pelinor {

// The twelve database files of the data folder. Every table has exactly one home file.
enum DatabaseId : int
{
    KnowledgesDb = 1,
    CookDb = 2,
    SportsDb = 3,
    GrightDb = 4,
    IntakeCriterionDb = 5,
    PantryDb = 6,
    RecordDb = 7,
    ReviewDb = 8,
    SysManagerDb = 9,
    EvaluationDb = 10,
    PackageDb = 11,
    NutrientDb = 12,
};

constexpr int kFirstDatabaseId = 1;
constexpr int kLastDatabaseId = 12;

// The file name of a database ("Record.dll", "Evaluation.DLL", ...); empty outside 1..12.
std::string databaseFileName(int id);

// The folder of the running program, ending in "/".
std::string GetExeDirectory();

// The data folder, ending in "/": PELINOR_DATA_DIR when it is set, otherwise "formal" beside the program.
std::string dataDirectory();

// The full path of a database file; for a number outside 1..12 the data folder itself.
std::string GetDatabasePath(int id);

// The same rule for any data folder (which must end in "/").
std::string databasePathIn(const std::string& folder, int id);

} // namespace pelinor
