#include "core/db/TextCodec.h"

#include "core/db/CharsetConverter.h"

namespace pelinor {

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
            continue;
        }
        if (i + 1 >= text.size() || !gbkToUtf8.convert(text.data() + i, 2, result)) {
            result += '?';
        }
        i += 2;
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
        size_t length = utf8SequenceLength(byte);
        if (length == 0 || i + length > text.size()) {
            length = 1;
            result += '?';
        } else if (!utf8ToGbk.convert(text.data() + i, length, result)) {
            result += '?';
        }
        i += length;
    }
    return result;
}

} // namespace pelinor
