#include "core/library/NextIdentifier.h"

#include "core/db/CppSQLite3DB.h"

#include <algorithm>

namespace pelinor {

int nextIdentifier(CppSQLite3DB& db, const std::string& sql)
{
    int largest = 0;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        largest = std::max(largest, query.getIntField(0));
    }
    return largest + 1;
}

} // namespace pelinor
