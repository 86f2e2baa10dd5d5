#include "core/knowledge/NutrientKnowledge.h"

#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

std::vector<NutrientCategory> nutrientCategories()
{
    DatabaseConnection db(NutrientDb);
    std::vector<NutrientCategory> categories;
    for (auto query = db.execQuery("SELECT * FROM NutrientType ORDER BY NutrientTypeID ASC, rowid"); !query.eof();
         query.nextRow()) {
        categories.push_back({ query.getIntField(0), query.getStringField(1), {} });
    }
    for (NutrientCategory& category : categories) {
        for (auto query = db.execQuery(formatSql(
                 "SELECT * FROM NutrientShow WHERE NutrientType = '%d' ORDER BY NutrientID ASC, rowid", category.id));
             !query.eof(); query.nextRow()) {
            category.nutrients.push_back(query.getStringField(2));
        }
    }
    return categories;
}

std::optional<NutrientDescription> describeNutrient(const std::string& name)
{
    DatabaseConnection db(NutrientDb);
    auto query
        = db.execQuery(formatSql("SELECT * FROM NutrientShow WHERE NutrientName = '%s' ORDER BY rowid LIMIT 1", name));
    if (query.eof()) {
        return std::nullopt;
    }
    return NutrientDescription { shownKnowledgeText(query.getStringField(4)),
        shownKnowledgeText(query.getStringField(5)), shownKnowledgeText(query.getStringField(6)),
        shownKnowledgeText(query.getStringField(7)), shownKnowledgeText(query.getStringField(8)),
        shownKnowledgeText(query.getStringField(9)) };
}

std::optional<std::string> symptomText(const std::string& nutrientName, float percentage)
{
    DatabaseConnection db(NutrientDb);
    auto query = db.execQuery(
        formatSql("SELECT * FROM NutrientShow WHERE NutrientName = '%s' ORDER BY rowid LIMIT 1", nutrientName));
    if (query.eof()) {
        return std::nullopt;
    }
    return shownKnowledgeText(query.getStringField(percentage > 100.0f ? 7 : 8));
}

std::string shownKnowledgeText(std::string text)
{
    static const std::string kEntity = "&nbsp;";
    for (std::size_t at = text.find(kEntity); at != std::string::npos; at = text.find(kEntity, at + 2)) {
        text.replace(at, kEntity.size(), "  ");
    }
    return text;
}

} // namespace pelinor
