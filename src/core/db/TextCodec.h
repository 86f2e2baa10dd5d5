#pragma once

#include <string>

namespace pelinor {

// GBK <-> UTF-8, for text that crosses the program's edge in the Chinese Windows code page
// (imported files, CSV exports). The program itself and the database files work in UTF-8.

// Converts a GBK string to UTF-8 in place. ASCII bytes stay as they are; every other character
// takes two GBK bytes and becomes its UTF-8 form. A pair that is not GBK becomes "?".
void ToDatabaseText(std::string& text);

// Converts UTF-8 text to GBK. A character with no GBK form becomes "?".
std::string FromDatabaseText(const std::string& text);

} // namespace pelinor
