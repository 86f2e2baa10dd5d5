#pragma once

#include <cstddef>
#include <vector>

namespace pelinor {

// An SQL file of the source tree's data/ folder, compiled into the program.
struct EmbeddedFile
{
    const char* path; // relative to data/, e.g. "schema/cook.sql"
    const char* content;
    std::size_t size;
};

const std::vector<EmbeddedFile>& embeddedDataFiles();

} // namespace pelinor
