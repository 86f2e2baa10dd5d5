#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pelinor {

// A child as the health lists need it, from its archive.
struct HealthChild
{
    std::string archId;
    std::string name;
    std::string gender;
    std::string birth; // "%Y-%m-%d" as stored
    std::string className;
};

// The children of a class in the stored order of the archives.
std::vector<HealthChild> childrenInClass(const std::string& className);

class CppSQLite3DB;

// The child with this archive number; nothing when the archive is gone. The second form reads
// through an open connection to the record file.
std::optional<HealthChild> findChild(const std::string& archId);
std::optional<HealthChild> findChild(CppSQLite3DB& recordDb, const std::string& archId);

} // namespace pelinor
