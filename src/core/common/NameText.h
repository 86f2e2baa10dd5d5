#pragma once

#include <string>
#include <string_view>

namespace pelinor {

// A name as the program keeps it: without blanks (ASCII white space, the ideographic space) at
// either end and without invisible zero-width characters anywhere, so that "大米 ", "大米　" and
// "大\u200B米" are the name 大米 and a name of blanks alone is empty.
std::string cleanName(std::string_view text);

} // namespace pelinor
