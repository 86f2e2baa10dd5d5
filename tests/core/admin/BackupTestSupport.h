#pragma once

#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace pelinor::test {

// Fixes the program clock for the life of the object.
class FixedProgramClock
{
public:
    explicit FixedProgramClock(DateTime moment)
        : m_clock(std::make_shared<FixedClock>(moment))
    {
        setProgramClock(m_clock);
    }
    ~FixedProgramClock()
    {
        setProgramClock(nullptr);
    }
    void set(DateTime moment)
    {
        m_clock->set(moment);
    }

private:
    std::shared_ptr<FixedClock> m_clock;
};

// Writes `value` into a table "Marker" of every one of the twelve files, so a test can tell which
// version of each file it is looking at.
inline void setMarkers(const std::string& value)
{
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        CppSQLite3DB db;
        db.open(GetDatabasePath(id));
        db.execScript("CREATE TABLE IF NOT EXISTS Marker(v TEXT); DELETE FROM Marker; INSERT INTO Marker VALUES('"
            + value + "');");
    }
}

// "value value ..." of the twelve files in DatabaseId order.
inline std::string markers()
{
    std::string text;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        CppSQLite3DB db;
        db.open(GetDatabasePath(id));
        auto query = db.execQuery("SELECT v FROM Marker");
        text += (query.eof() ? std::string("(none)") : query.getStringField(0)) + (id < kLastDatabaseId ? " " : "");
    }
    return text;
}

inline std::string fileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The bytes of every file of the data folder, to see that nothing was written.
inline std::string dataFolderBytes()
{
    std::string all;
    for (int id = kFirstDatabaseId; id <= kLastDatabaseId; ++id) {
        all += fileBytes(GetDatabasePath(id));
    }
    return all;
}

} // namespace pelinor::test
