#include "core/library/PinyinInitial.h"

#include <gtest/gtest.h>
#include <iconv.h>

using namespace pelinor;

namespace {

// The UTF-8 form of a GB2312 code, so the tests can name table edges by code.
std::string characterOfCode(int code)
{
    iconv_t handle = iconv_open("UTF-8", "GB2312");
    char input[2] = { static_cast<char>(code >> 8), static_cast<char>(code & 0xFF) };
    char output[8];
    char* in = input;
    char* out = output;
    size_t inLeft = 2;
    size_t outLeft = sizeof(output);
    const size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
    iconv_close(handle);
    return result == static_cast<size_t>(-1) ? std::string() : std::string(output, sizeof(output) - outLeft);
}

} // namespace

TEST(PinyinInitialTest, EveryRangeEdgeGivesItsLetterAndTheGapsGiveNone)
{
    struct Edge
    {
        int first;
        int last;
        char letter;
    };
    const Edge edges[] = {
        { 45217, 45252, 'A' },
        { 45253, 45760, 'B' },
        { 45761, 46317, 'C' },
        { 46318, 46825, 'D' },
        { 46826, 47009, 'E' },
        { 47010, 47296, 'F' },
        { 47297, 47613, 'G' },
        { 47614, 48118, 'H' },
        { 48119, 49061, 'J' },
        { 49062, 49323, 'K' },
        { 49324, 49895, 'L' },
        { 49896, 50370, 'M' },
        { 50371, 50613, 'N' },
        { 50614, 50621, 'O' },
        { 50622, 50905, 'P' },
        { 50906, 51386, 'Q' },
        { 51387, 51445, 'R' },
        { 51446, 52217, 'S' },
        { 52218, 52697, 'T' },
        { 52698, 52979, 'W' },
        { 52980, 53688, 'X' },
        { 53689, 54480, 'Y' },
        { 54481, 55289, 'Z' },
    };
    for (const auto& edge : edges) {
        EXPECT_EQ(pinyinLetterOfCode(edge.first), edge.letter) << edge.first;
        EXPECT_EQ(pinyinLetterOfCode(edge.last), edge.letter) << edge.last;
    }
    for (int outside : { 45216, 55290, 0 }) {
        EXPECT_EQ(pinyinLetterOfCode(outside), '\0') << outside;
    }
}

TEST(PinyinInitialTest, NamesGiveTheLetterOfTheirFirstCharacterOnly)
{
    struct Case
    {
        std::string name;
        std::string initial;
    };
    const Case cases[] = {
        { characterOfCode(45217) + "米", "A" }, // 啊, the first level-1 character
        { characterOfCode(55289), "Z" }, // 座, the last level-1 character
        { "大米（粳）", "D" },
        { "鸡蛋", "J" },
        { "西红柿", "X" },
        { "笋干", "S" }, // the last S syllables (suo, sun) sit right before the first T
        { "寻常菜", "X" }, // and the xun syllables right before the first Y
        { "Apple汁", "" }, // ASCII first: no letter
        { "3号米粉", "" },
        { characterOfCode(0xD8A1) + "米", "" }, // the first level-2 character
        { characterOfCode(0xE9BB) + "菜", "" }, // level-2 character
        { "（鲜）菜", "" }, // full-width punctuation
        { "盄米", "" }, // GBK only: its GBK code 45376 lies in the B range, but it has no GB2312 code
        { "\xF0\x9F\x8D\x9A饭", "" }, // no GB2312 form at all
        { "", "" },
    };
    for (int code : { 45217, 55289, 0xD8A1, 0xE9BB }) {
        ASSERT_FALSE(characterOfCode(code).empty()) << code;
    }
    for (const auto& c : cases) {
        EXPECT_EQ(PinyinInitial(c.name), c.initial) << c.name;
    }
}
