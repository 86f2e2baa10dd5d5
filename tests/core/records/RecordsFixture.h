#pragma once

#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/CppSQLite3Exception.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelinor::test {

// A data folder with tables only, a clock fixed on 2014-03-01 10:20:30, and shortcuts for the rows
// the records tests need.
class RecordsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_clock = std::make_shared<FixedClock>(DateTime { 2014, 3, 1, 10, 20, 30 });
        setProgramClock(m_clock);
    }
    void TearDown() override
    {
        setProgramClock(nullptr);
    }

    void addClassRow(int id, const std::string& name)
    {
        m_folder.exec(RecordDb, formatSql("INSERT INTO ClassInfo VALUES('%d','%s')", id, name));
    }

    void addChild(const std::string& archId,
        const std::string& name,
        const std::string& className,
        const std::string& studentId = "",
        const std::string& birth = "2011-09-30")
    {
        m_folder.exec(RecordDb,
            formatSql("INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Height, Weight, Birth, Class, StudentID) "
                      "VALUES('%s','%s','男','100','16','%s','%s','%s')",
                archId, name, birth, className, studentId));
    }

    // Column `column` of every row of a query on one file, as text.
    std::vector<std::string> column(int databaseId, const std::string& sql, int column = 0) const
    {
        CppSQLite3DB db;
        db.open(GetDatabasePath(databaseId));
        std::vector<std::string> values;
        for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            values.push_back(query.getStringField(column));
        }
        return values;
    }

    TempDataFolder m_folder { DataFolderContent::TablesOnly };
    std::shared_ptr<FixedClock> m_clock;
};

} // namespace pelinor::test
