#pragma once

#include <string>

namespace pelinor {

// GBK <-> UTF-8, for text that crosses the program's edge in the Chinese Windows code page
// (imported files, CSV exports). The program itself and the database files work in UTF-8.

// Converts a GBK string to UTF-8 in place. ASCII bytes stay as they are, 0x80 is the euro sign and
// every other character takes two GBK bytes and becomes its UTF-8 form. A byte that starts no
// character becomes one "?" and a pair without a character one "?"; the bytes around them are
// read as if it were not there.
void ToDatabaseText(std::string& text);

// Converts UTF-8 text to GBK. A character with no GBK form becomes "?", and so does each broken
// piece of UTF-8 (a stray byte, a sequence cut short), without taking the text after it along.
std::string FromDatabaseText(const std::string& text);

} // namespace pelinor
