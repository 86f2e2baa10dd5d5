#include "db/TextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace pelinor {

namespace {

// One iconv descriptor per direction, opened once; the program has one thread.
class Converter
{
public:
    Converter(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter()
    {
        iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one character; false when it has no form in the target encoding.
    bool convert(const char* input, size_t length, std::string& output)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* in = const_cast<char*>(input);
        char* out = buffer;
        size_t inLeft = length;
        size_t outLeft = sizeof(buffer);
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
            return false;
        }
        output.append(buffer, sizeof(buffer) - outLeft);
        return true;
    }

private:
    iconv_t m_handle;
};

size_t utf8SequenceLength(unsigned char lead)
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

} // namespace

void ToDatabaseText(std::string& text)
{
    static Converter gbkToUtf8("UTF-8", "GBK");
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
    static Converter utf8ToGbk("GBK", "UTF-8");
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
