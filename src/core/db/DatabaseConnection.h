#pragma once

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

namespace pelinor {

// A connection to one database file of the data folder, open for the life of the object.
class DatabaseConnection : public CppSQLite3DB
{
public:
    explicit DatabaseConnection(int databaseId)
    {
        openExisting(GetDatabasePath(databaseId));
    }
};

} // namespace pelinor
