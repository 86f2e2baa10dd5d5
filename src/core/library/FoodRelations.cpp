#include "core/library/FoodRelations.h"

#include "core/db/CppSQLite3DB.h"
#include "core/db/NextId.h"
#include "core/db/SqlFormat.h"

namespace pelinor {

namespace {

struct RelationStatements
{
    const char* load;
    const char* findPair;
    const char* update;
    const char* insert;
    const char* table;
    const char* idColumn;
};

const RelationStatements& statementsOf(FoodRelation relation)
{
    static const RelationStatements barter {
        "SELECT * FROM  FoodBarter  WHERE BarterSubject = '%s'",
        "SELECT * FROM FoodBarter WHERE (BarterSubject = '%s'AND BarterObjects = '%s') or (BarterSubject = "
        "'%s'AND BarterObjects = '%s')",
        "UPDATE FoodBarter SET BarterDescription = '%s' WHERE BarterID = '%d'",
        "INSERT INTO FoodBarter VALUES('%d','%s','%s','%s','%d')",
        "FoodBarter",
        "BarterID",
    };
    static const RelationStatements phaseg {
        "SELECT * FROM  FoodPhaseg  WHERE PhasegSubject = '%s'",
        "SELECT * FROM FoodPhaseg WHERE (PhasegSubject = '%s'AND PhasegObjects = '%s') or (PhasegSubject = "
        "'%s'AND PhasegObjects = '%s')",
        "UPDATE FoodPhaseg SET PhasegDescription = '%s' WHERE PhasegID = '%d'",
        "INSERT INTO FoodPhaseg VALUES('%d','%s','%s','%s','%d')",
        "FoodPhaseg",
        "PhasegID",
    };
    return relation == FoodRelation::GoesWell ? barter : phaseg;
}

// Takes the part before the first "|" off the text; a text without "|" has no part left.
std::string takePart(std::string& text)
{
    const auto bar = text.find('|');
    if (bar == std::string::npos) {
        text.clear();
        return {};
    }
    std::string part = text.substr(0, bar);
    text.erase(0, bar + 1);
    return part;
}

} // namespace

std::string foodBaseName(const std::string& name)
{
    auto cut = name.find("（");
    if (cut == std::string::npos) {
        cut = name.find('[');
    }
    return cut == std::string::npos ? name : name.substr(0, cut);
}

RelationTexts loadFoodRelations(CppSQLite3DB& gright, FoodRelation relation, const std::string& baseName)
{
    RelationTexts texts;
    for (auto query = gright.execQuery(formatSql(statementsOf(relation).load, baseName)); !query.eof();
         query.nextRow()) {
        texts.others += query.getStringField(2) + "|";
        texts.descriptions += query.getStringField(3) + "|";
    }
    if (!texts.others.empty()) {
        texts.others.pop_back();
        texts.descriptions.pop_back();
    }
    return texts;
}

void saveFoodRelations(CppSQLite3DB& gright,
    FoodRelation relation,
    const std::string& baseName,
    const std::string& others,
    const std::string& descriptions)
{
    if (others.empty()) {
        return;
    }
    const auto& sql = statementsOf(relation);
    std::string restOthers = others + "|";
    std::string restDescriptions = descriptions + "|";
    while (!restOthers.empty()) {
        const std::string other = takePart(restOthers);
        const std::string description = takePart(restDescriptions);
        // "a||b" or a trailing "|" names no food; a pair with an empty side would be noise in every check.
        if (other.empty()) {
            continue;
        }
        auto pair = gright.execQuery(formatSql(sql.findPair, baseName, other, other, baseName));
        if (pair.eof()) {
            pair.finalize();
            const int id = nextId(gright, sql.table, sql.idColumn, 1);
            gright.execQuery(formatSql(sql.insert, id, baseName, other, description, 2));
        } else {
            const int id = pair.getIntField(0);
            pair.finalize();
            gright.execQuery(formatSql(sql.update, description, id));
        }
    }
}

} // namespace pelinor
