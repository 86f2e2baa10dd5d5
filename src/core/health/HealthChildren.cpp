#include "core/health/HealthChildren.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

namespace {

HealthChild childFromRow(const CppSQLite3Query& query)
{
    return { query.getStringField(0), query.getStringField(1), query.getStringField(2), query.getStringField(6),
        query.getStringField(9) };
}

} // namespace

std::vector<HealthChild> childrenInClass(const std::string& className)
{
    DatabaseConnection db(RecordDb);
    std::vector<HealthChild> children;
    for (auto query
         = db.execQuery(formatSql("SELECT * FROM ArchivesBase  WHERE Class = '%s' ORDER BY rowid", className));
         !query.eof(); query.nextRow()) {
        children.push_back(childFromRow(query));
    }
    return children;
}

std::optional<HealthChild> findChild(const std::string& archId)
{
    DatabaseConnection db(RecordDb);
    return findChild(db, archId);
}

std::optional<HealthChild> findChild(CppSQLite3DB& db, const std::string& archId)
{
    auto query = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s' ORDER BY rowid", archId));
    if (query.eof()) {
        return std::nullopt;
    }
    return childFromRow(query);
}

} // namespace pelinor
