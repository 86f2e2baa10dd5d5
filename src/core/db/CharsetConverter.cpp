#include "core/db/CharsetConverter.h"

#include <iconv.h>
#include <stdexcept>

namespace pelinor {

CharsetConverter::CharsetConverter(const char* to, const char* from)
    : m_handle(iconv_open(to, from))
{
    if (m_handle == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
}

CharsetConverter::~CharsetConverter()
{
    iconv_close(static_cast<iconv_t>(m_handle));
}

bool CharsetConverter::convert(const char* input, size_t length, std::string& output)
{
    const auto handle = static_cast<iconv_t>(m_handle);
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* in = const_cast<char*>(input);
    char* out = buffer;
    size_t inLeft = length;
    size_t outLeft = sizeof(buffer);
    if (iconv(handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
        return false;
    }
    output.append(buffer, sizeof(buffer) - outLeft);
    return true;
}

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

} // namespace pelinor
