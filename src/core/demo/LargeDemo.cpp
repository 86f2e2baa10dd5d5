#include "core/demo/LargeDemo.h"

#include "core/db/DatabaseCatalog.h"
#include "core/demo/LargeDemoMeals.h"
#include "core/demo/LargeDemoPeople.h"

#include <stdexcept>

namespace pelinor {

Outcome<> createLargeDemoFolder(const std::string& folder, const LargeDemoSize& size)
{
    try {
        LargeDemoPeople people(size, kLargeDemoSeed);
        LargeDemoMeals meals(size, kLargeDemoSeed, people);
        // Files are filled in DatabaseId order: the cook file's dishes are known before the plans
        // are made, and the plans before the set meals copied from them.
        return createDataFolder(folder, DataFolderContent::Library, [&](int databaseId, CppSQLite3DB& db) {
            switch (databaseId) {
            case CookDb:
                meals.writeCook(db);
                break;
            case PantryDb:
                meals.writePantry(db);
                break;
            case RecordDb:
                people.writeRecord(db);
                break;
            case SysManagerDb:
                people.writeSysManager(db);
                break;
            case PackageDb:
                meals.writePackage(db);
                break;
            default:
                break;
            }
        });
    } catch (const std::invalid_argument& e) {
        return refuse(e.what());
    }
}

} // namespace pelinor
