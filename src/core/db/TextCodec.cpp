#include "core/db/TextCodec.h"

#include "core/db/CharsetConverter.h"

namespace pelinor {

namespace {

// The first byte of a two-byte GBK character, and the bytes that may follow it.
bool isGbkLead(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isGbkTrail(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

// 0x80 is the euro sign of the Windows Chinese code page: a character of one byte.
constexpr unsigned char kGbkEuro = 0x80;

// The length of the well-formed UTF-8 character at text[i], or of the longest start of one that is
// well formed so far (at least 1), telling them apart by `complete`. Follows the table of
// well-formed sequences of the Unicode standard, so overlong forms, surrogates and code points
// above U+10FFFF are never complete.
size_t utf8Character(const std::string& text, size_t i, bool& complete)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            secondLow = 0xA0;
        } else if (lead == 0xED) {
            secondHigh = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            secondLow = 0x90;
        } else if (lead == 0xF4) {
            secondHigh = 0x8F;
        }
    } else {
        complete = false;
        return 1;
    }
    size_t taken = 1;
    for (; taken < length && i + taken < text.size(); ++taken) {
        const auto byte = static_cast<unsigned char>(text[i + taken]);
        const unsigned char low = taken == 1 ? secondLow : 0x80;
        const unsigned char high = taken == 1 ? secondHigh : 0xBF;
        if (byte < low || byte > high) {
            break;
        }
    }
    complete = taken == length;
    return taken;
}

} // namespace

void ToDatabaseText(std::string& text)
{
    static CharsetConverter gbkToUtf8("UTF-8", "GBK");
    std::string result;
    result.reserve(text.size() * 3 / 2);
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result += text[i];
            ++i;
        } else if (byte == kGbkEuro) {
            gbkToUtf8.convert(text.data() + i, 1, result);
            ++i;
        } else if (!isGbkLead(byte) || i + 1 >= text.size() || !isGbkTrail(static_cast<unsigned char>(text[i + 1]))) {
            result += '?';
            ++i;
        } else if (gbkToUtf8.convert(text.data() + i, 2, result)) {
            i += 2;
        } else {
            // A pair with no character: one "?". An ASCII byte after the lead is kept as itself,
            // so a stray byte never takes a letter or a digit with it.
            result += '?';
            i += static_cast<unsigned char>(text[i + 1]) < 0x80 ? 1 : 2;
        }
    }
    text = std::move(result);
}

std::string FromDatabaseText(const std::string& text)
{
    static CharsetConverter utf8ToGbk("GBK", "UTF-8");
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result += text[i];
            ++i;
            continue;
        }
        bool complete = false;
        const size_t length = utf8Character(text, i, complete);
        if (!complete || !utf8ToGbk.convert(text.data() + i, length, result)) {
            result += '?';
        }
        i += length;
    }
    return result;
}

} // namespace pelinor
