#include "core/planning/PlanSetup.h"

#include "core/common/ItemList.h"
#include "core/common/NumberFormat.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <cctype>
#include <climits>

namespace pelinor {

int leadingInteger(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX; // a long run of digits stays a large number, never wraps round
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<std::string> shareTextRefusal(const std::string& text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    const int value = leadingInteger(text);
    if (value <= 0 || value > 99) {
        return std::string(kShareRangeMessage);
    }
    return std::nullopt;
}

Outcome<PlanDefinition> ConfirmPlanSetup(const PlanSetupInput& input)
{
    if (input.name.empty()) {
        return refuse("配餐名称不能为空");
    }
    if (input.kind == -1) {
        return refuse("请选择配餐对象");
    }
    if (input.cycle == -1) {
        return refuse("请选择配餐周期");
    }
    long long sum = 0;
    for (const std::string& share : input.shares) {
        sum += leadingInteger(share);
    }
    if (sum != 100) {
        return refuse("功能比之和必须是100！");
    }

    PlanDefinition definition;
    for (const std::string& share : input.shares) {
        definition.sharesText += formatInt(leadingInteger(share)) + std::string(kItemSeparator);
    }
    definition.name = input.name;
    definition.cycle = input.cycle == 0 ? 0 : 1;
    definition.kind = input.kind == 0 ? 0 : 1;
    if (definition.kind == 0) {
        if (!input.child) {
            return refuse("请选择配餐对象!");
        }
        definition.subject = input.child->name;
        definition.archId = input.child->archId;
    } else {
        // Joined character-wise; a class without a name is left out.
        definition.subject = joinItems(input.chosenClasses);
        if (definition.subject.empty()) {
            return refuse("请选择配餐对象！");
        }
    }
    return definition;
}

std::vector<SetupChild> setupChildren(const std::string& className)
{
    DatabaseConnection db(RecordDb);
    std::vector<SetupChild> children;
    for (auto query = db.execQuery(formatSql(
             "SELECT StudentID, ArchName, ArchID FROM ArchivesBase WHERE Class = '%s' ORDER BY rowid", className));
         !query.eof(); query.nextRow()) {
        children.push_back({ query.getStringField(0), query.getStringField(1), query.getStringField(2) });
    }
    return children;
}

} // namespace pelinor
