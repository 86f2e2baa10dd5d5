#include "core/planning/AllergyCheck.h"

#include "core/common/DecimalText.h"
#include "core/common/DishComposition.h"
#include "core/common/ItemList.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/MealNutrients.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pelinor {

namespace {

// The items of the archive's allergy list that are drugs, and its "none".
constexpr std::array<std::string_view, 4> kNotFoods = { "无", "青霉素", "磺胺", "无链霉素" };

bool isFoodWord(const std::string& word)
{
    return std::find(kNotFoods.begin(), kNotFoods.end(), word) == kNotFoods.end();
}

void readChildren(CppSQLite3DB& records,
    const std::string& sql,
    bool firstOnly,
    std::vector<std::pair<std::string, std::string>>& children)
{
    for (auto query = records.execQuery(sql); !query.eof(); query.nextRow()) {
        children.emplace_back(query.getStringField(0), query.getStringField(1));
        if (firstOnly) {
            break;
        }
    }
}

} // namespace

AllergyCheck AllergyCheck::fromLists(const std::vector<std::pair<std::string, std::string>>& children)
{
    AllergyCheck check;
    for (const auto& [name, list] : children) {
        Child child { name, {} };
        for (std::string word : splitItems(list)) {
            word = trimmedText(word);
            if (!word.empty() && isFoodWord(word)
                && std::find(child.words.begin(), child.words.end(), word) == child.words.end()) {
                child.words.push_back(word);
            }
        }
        if (!child.words.empty()) {
            check.m_children.push_back(std::move(child));
        }
    }
    return check;
}

AllergyCheck AllergyCheck::forSubject(const PlanSubject& subject)
{
    DatabaseConnection records(RecordDb);
    std::vector<std::pair<std::string, std::string>> children;
    if (subject.kind == kPersonalKind) {
        readChildren(records,
            subject.archId.empty()
                ? formatSql(
                    "SELECT ArchName, Allergy FROM ArchivesBase WHERE ArchName = '%s' ORDER BY rowid", subject.text)
                : formatSql(
                    "SELECT ArchName, Allergy FROM ArchivesBase WHERE ArchID = '%s' ORDER BY rowid", subject.archId),
            true, children);
    } else {
        for (const std::string& className : splitItems(subject.text)) {
            readChildren(records,
                formatSql("SELECT ArchName, Allergy FROM ArchivesBase WHERE Class = '%s' ORDER BY rowid", className),
                false, children);
        }
    }
    return fromLists(children);
}

std::vector<AllergyHit> AllergyCheck::hits(const std::string& composition) const
{
    std::vector<AllergyHit> found;
    for (const CompositionEntry& portion : DishComposition::parse(composition)) {
        for (const Child& child : m_children) {
            for (const std::string& word : child.words) {
                if (portion.foodName.find(word) != std::string::npos) {
                    AllergyHit hit { child.name, portion.foodName, word };
                    if (std::find(found.begin(), found.end(), hit) == found.end()) {
                        found.push_back(std::move(hit));
                    }
                    break; // one word per child and food is enough
                }
            }
        }
    }
    return found;
}

std::string AllergyCheck::warningText(const std::string& itemName, const std::vector<AllergyHit>& hits)
{
    std::string text = "“" + itemName + "”含有幼儿过敏的食物：\n";
    for (const AllergyHit& hit : hits) {
        text += "    " + hit.childName + "（过敏：" + hit.allergy + "）—— " + hit.foodName + "\n";
    }
    return text;
}

} // namespace pelinor
