#pragma once

#include <cstddef>
#include <string>

namespace pelinor {

// One iconv conversion, opened once and used a character at a time, so that a character without a
// form in the target encoding can be replaced instead of ending the whole conversion.
class CharsetConverter
{
public:
    CharsetConverter(const char* to, const char* from);
    ~CharsetConverter();
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    // Appends the converted character to output; false (output unchanged) when it has no form.
    bool convert(const char* input, size_t length, std::string& output);

private:
    void* m_handle;
};

// The byte count of the UTF-8 sequence that starts with `lead`; 0 for a byte that starts none.
size_t utf8SequenceLength(unsigned char lead);

} // namespace pelinor
