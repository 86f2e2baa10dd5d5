#include "core/common/NameText.h"

#include "core/common/DecimalText.h"

#include <array>

namespace pelinor {

namespace {

// Zero-width space, non-joiner, joiner, word joiner and the byte-order mark.
constexpr std::array<std::string_view, 5> kInvisible { "\u200B", "\u200C", "\u200D", "\u2060", "\uFEFF" };

} // namespace

std::string cleanName(std::string_view text)
{
    std::string visible;
    visible.reserve(text.size());
    while (!text.empty()) {
        bool dropped = false;
        for (const auto invisible : kInvisible) {
            if (text.starts_with(invisible)) {
                text.remove_prefix(invisible.size());
                dropped = true;
                break;
            }
        }
        if (!dropped) {
            visible.push_back(text.front());
            text.remove_prefix(1);
        }
    }
    return trimmedText(visible);
}

} // namespace pelinor
