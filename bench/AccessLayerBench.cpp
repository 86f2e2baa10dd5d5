#include "TempDataFolder.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <benchmark/benchmark.h>

using namespace pelinor;

// A lookup by name as the screens do it: open, format, query, read, close.
static void BM_LookupClassByName(benchmark::State& state)
{
    test::TempDataFolder folder(DataFolderContent::FirstRows);
    for (auto _ : state) {
        CppSQLite3DB db;
        db.open(GetDatabasePath(RecordDb));
        CppSQLite3Query query = db.execQuery(formatSql("SELECT * FROM  ClassInfo WHERE  ClassName = '%s'", "中班"));
        benchmark::DoNotOptimize(query.getIntField(0));
    }
}
BENCHMARK(BM_LookupClassByName);
