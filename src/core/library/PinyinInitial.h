#pragma once

#include <string>

namespace pelinor {

// The index letter of a food name: the capital pinyin initial of its first character, found from the
// character's GB2312 code; empty when the first character is not a level-1 GB2312 hanzi (an ASCII
// letter, a digit, punctuation, a level-2 or GBK-only character).
std::string PinyinInitial(const std::string& name);

// The letter of one GB2312 code (first byte × 256 + second byte); '\0' outside the table.
char pinyinLetterOfCode(int code);

} // namespace pelinor
