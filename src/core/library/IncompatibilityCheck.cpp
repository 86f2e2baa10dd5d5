#include "core/library/IncompatibilityCheck.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

std::string incompatibilityBlock(CppSQLite3DB& gright, const std::string& baseName)
{
    std::string block;
    for (auto query = gright.execQuery(formatSql("SELECT * FROM  FoodPhaseg  WHERE PhasegSubject = '%s'", baseName));
         !query.eof(); query.nextRow()) {
        block += query.getStringField(2) + "；";
    }
    for (auto query = gright.execQuery(formatSql("SELECT * FROM  FoodPhaseg  WHERE PhasegObjects = '%s'", baseName));
         !query.eof(); query.nextRow()) {
        block += query.getStringField(1) + "；";
    }
    return block;
}

bool clashesWith(const std::string& incompatibleText, const std::string& baseName)
{
    // An empty base name (a name starting with "（") would be "contained" in every text.
    return !baseName.empty() && incompatibleText.find(baseName) != std::string::npos;
}

} // namespace pelinor
