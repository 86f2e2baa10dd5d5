#pragma once

#include "DatabaseRows.h"
#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "core/db/SqlFormat.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace pelinor::test {

// A data folder with tables only, a clock fixed on 2026-12-06 09:30:00, and the rows the health
// tests need.
class HealthFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_clock = std::make_shared<FixedClock>(DateTime { 2026, 12, 6, 9, 30, 0 });
        setProgramClock(m_clock);
    }
    void TearDown() override
    {
        setProgramClock(nullptr);
    }

    void addChild(const std::string& archId,
        const std::string& name,
        const std::string& className,
        const std::string& gender = "男",
        const std::string& birth = "2022-03-15")
    {
        m_folder.exec(RecordDb,
            formatSql("INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Height, Weight, Birth, Class) "
                      "VALUES('%s','%s','%s','100','16','%s','%s')",
                archId, name, gender, birth, className));
    }

    void exec(int databaseId, const std::string& sql) const
    {
        m_folder.exec(databaseId, sql);
    }

    Rows rows(int databaseId, const std::string& sql) const
    {
        return rowsOf(databaseId, sql);
    }

    std::size_t count(int databaseId, const std::string& table) const
    {
        return rows(databaseId, "SELECT * FROM " + table).size();
    }

    TempDataFolder m_folder { DataFolderContent::TablesOnly };
    std::shared_ptr<FixedClock> m_clock;
};

} // namespace pelinor::test
