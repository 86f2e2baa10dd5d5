#include "core/common/ItemList.h"

namespace pelinor {

std::string joinItems(const std::vector<std::string>& items)
{
    std::string text;
    for (const auto& item : items) {
        if (item.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += kItemSeparator;
        }
        text += item;
    }
    return text;
}

std::vector<std::string> splitItems(std::string_view text)
{
    std::vector<std::string> items;
    while (!text.empty()) {
        const size_t end = text.find(kItemSeparator);
        const std::string_view item = text.substr(0, end);
        if (!item.empty()) {
            items.emplace_back(item);
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + kItemSeparator.size());
    }
    return items;
}

std::string replaceItem(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty()) {
        return std::string(text);
    }
    std::string result;
    while (true) {
        const size_t end = text.find(kItemSeparator);
        const std::string_view item = text.substr(0, end);
        result += item == from ? to : item;
        if (end == std::string_view::npos) {
            break;
        }
        result += kItemSeparator;
        text.remove_prefix(end + kItemSeparator.size());
    }
    return result;
}

bool containsItem(std::string_view text, std::string_view item)
{
    for (const auto& value : splitItems(text)) {
        if (value == item) {
            return true;
        }
    }
    return false;
}

} // namespace pelinor
