#include "core/library/PinyinInitial.h"

#include "core/db/CharsetConverter.h"

#include <array>

namespace pelinor {

namespace {

struct LetterRange
{
    char letter;
    int first;
    int last;
};

// Level-1 GB2312 hanzi are sorted by pronunciation, so each initial owns one run of codes.
// I, U and V begin no syllable, so no range carries them.
constexpr std::array<LetterRange, 23> kRanges = { {
    { 'A', 45217, 45252 },
    { 'B', 45253, 45760 },
    { 'C', 45761, 46317 },
    { 'D', 46318, 46825 },
    { 'E', 46826, 47009 },
    { 'F', 47010, 47296 },
    { 'G', 47297, 47613 },
    { 'H', 47614, 48118 },
    { 'J', 48119, 49061 },
    { 'K', 49062, 49323 },
    { 'L', 49324, 49895 },
    { 'M', 49896, 50370 },
    { 'N', 50371, 50613 },
    { 'O', 50614, 50621 },
    { 'P', 50622, 50905 },
    { 'Q', 50906, 51386 },
    { 'R', 51387, 51445 },
    { 'S', 51446, 52217 },
    { 'T', 52218, 52697 },
    { 'W', 52698, 52979 },
    { 'X', 52980, 53688 },
    { 'Y', 53689, 54480 },
    { 'Z', 54481, 55289 },
} };

// The two GB2312 bytes of one UTF-8 character; false when it has no two-byte GB2312 form.
bool toGb2312(const std::string& character, unsigned char (&bytes)[2])
{
    static CharsetConverter utf8ToGb2312("GB2312", "UTF-8");
    std::string converted;
    if (!utf8ToGb2312.convert(character.data(), character.size(), converted) || converted.size() != 2) {
        return false;
    }
    bytes[0] = static_cast<unsigned char>(converted[0]);
    bytes[1] = static_cast<unsigned char>(converted[1]);
    return true;
}

} // namespace

char pinyinLetterOfCode(int code)
{
    for (const auto& range : kRanges) {
        if (code >= range.first && code <= range.last) {
            return range.letter;
        }
    }
    return '\0';
}

std::string PinyinInitial(const std::string& name)
{
    if (name.empty()) {
        return {};
    }
    const size_t length = utf8SequenceLength(static_cast<unsigned char>(name[0]));
    // An ASCII first character has no two-byte code, so it gives no letter.
    if (length < 2 || length > name.size()) {
        return {};
    }
    unsigned char bytes[2];
    if (!toGb2312(name.substr(0, length), bytes)) {
        return {};
    }
    const char letter = pinyinLetterOfCode(bytes[0] * 256 + bytes[1]);
    return letter ? std::string(1, letter) : std::string();
}

} // namespace pelinor
