#pragma once

#include <string>

namespace pelinor {

// Waits until a file's content is on the disk, so it survives a power cut. False when it could
// not be opened or synced, with errno saying why.
bool syncFile(const std::string& path);

// The same for a folder's list of names: a file created or renamed in it stays so.
bool syncFolder(const std::string& folder);

} // namespace pelinor
