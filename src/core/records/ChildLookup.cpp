#include "core/records/ChildLookup.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

std::vector<ChildRef> pickableChildren(const std::string& className)
{
    DatabaseConnection db(RecordDb);
    std::vector<ChildRef> children;
    for (auto query = db.execQuery(formatSql("SELECT * FROM ArchivesBase WHERE Class = '%s'", className)); !query.eof();
         query.nextRow()) {
        children.push_back({ query.getStringField(0), query.getStringField(1) });
    }
    return children;
}

Outcome<> checkChildPick(const std::string& className, const std::string& archId)
{
    if (className.empty()) {
        return refuse("请选择班级！");
    }
    if (archId.empty()) {
        return refuse("请选择对象！");
    }
    return done();
}

} // namespace pelinor
