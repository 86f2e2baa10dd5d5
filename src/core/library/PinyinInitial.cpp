#include "library/PinyinInitial.h"

#include <array>
#include <iconv.h>
#include <stdexcept>

namespace pelinor {

namespace {

struct LetterRange
{
    char letter;
    int first;
    int last;
};

// Level-1 GB2312 hanzi are sorted by pronunciation, so each initial owns one run of codes.
// I, U and V begin no syllable; the small gaps between S/T and X/Y hold no level-1 character.
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
    { 'S', 51446, 52208 },
    { 'T', 52218, 52697 },
    { 'W', 52698, 52979 },
    { 'X', 52980, 53640 },
    { 'Y', 53689, 54480 },
    { 'Z', 54481, 55289 },
} };

size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// The two GB2312 bytes of one UTF-8 character; false when it has no two-byte GB2312 form.
bool toGb2312(const std::string& character, unsigned char (&bytes)[2])
{
    static const iconv_t handle = iconv_open("GB2312", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert UTF-8 to GB2312");
    }
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    char buffer[8];
    char* in = const_cast<char*>(character.data());
    char* out = buffer;
    size_t inLeft = character.size();
    size_t outLeft = sizeof(buffer);
    if (iconv(handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0
        || sizeof(buffer) - outLeft != 2) {
        return false;
    }
    bytes[0] = static_cast<unsigned char>(buffer[0]);
    bytes[1] = static_cast<unsigned char>(buffer[1]);
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
    const size_t length = utf8Length(static_cast<unsigned char>(name[0]));
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
