#include "core/analysis/SubjectHeader.h"

#include "core/analysis/PlanDaySource.h"
#include "core/common/ChildAge.h"
#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/common/KaupGrading.h"
#include "core/common/NumberFormat.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/IntakeReference.h"

#include <cmath>

namespace pelinor {

namespace {

void readChild(CppSQLite3DB& records, const PlanDaySource& source, const DateTime& today, SubjectHeader& header)
{
    const std::string sql = source.archId.empty()
        ? formatSql("SELECT * FROM ArchivesBase WHERE ArchName = '%s' ORDER BY rowid LIMIT 1", source.subjects)
        : formatSql("SELECT * FROM ArchivesBase WHERE ArchID = '%s' ORDER BY rowid LIMIT 1", source.archId);
    auto query = records.execQuery(sql);
    if (query.eof()) {
        return;
    }
    header.childFound = true;
    header.sex = query.getStringField(2);
    header.height = query.getStringField(4);
    header.weight = query.getStringField(5);
    header.birth = query.getStringField(6);
    header.bloodType = query.getStringField(16);
    if (const auto age = childAge(header.birth, today); age && age->totalMonths() >= 0) {
        header.ageText = ageText(*age);
    }
    // Without a height or a weight there is no index to grade: the fields stay empty rather than
    // calling a child severely obese or malnourished.
    const float height = static_cast<float>(leadingDecimal(header.height));
    const float weight = static_cast<float>(leadingDecimal(header.weight));
    if (height > 0.0f && weight > 0.0f) {
        const BodyIndices indices = bodyIndices(height, weight);
        header.kaupText = formatFixed(indices.kaup, 2);
        header.rohrerText = formatFixed(indices.rohrer, 2);
        if (std::isfinite(indices.kaup)) {
            header.evaluationText = kaupEvaluationText(indices.kaup);
        }
    }
}

struct GroupSums
{
    int count = 0;
    double height = 0.0;
    double weight = 0.0;
    long long months = 0;
    int aged = 0; // children whose birth date could be read
};

void summarise(const GroupSums& sums, bool boys, ClassGroupSummary& group)
{
    group.count = sums.count;
    if (sums.count != 0) {
        group.meanHeight = static_cast<float>(sums.height / sums.count);
        group.meanWeight = static_cast<float>(sums.weight / sums.count);
    }
    if (sums.aged != 0) {
        group.meanMonths = static_cast<int>(sums.months / sums.aged);
    }
    group.countText = std::string(boys ? "男生人数：  " : "女生人数：  ") + formatInt(group.count);
    group.heightText = "身    高：  " + formatFixed(group.meanHeight, 1) + " cm";
    group.weightText = "体    重：  " + formatFixed(group.meanWeight, 1) + " kg";
    group.ageText = std::string(boys ? "男生  年龄：" : "女生  年龄：") + formatInt(group.meanMonths / 12) + "岁"
        + formatInt(group.meanMonths % 12) + "月";
}

void readClasses(CppSQLite3DB& records, const PlanDaySource& source, const DateTime& today, SubjectHeader& header)
{
    GroupSums boys;
    GroupSums girls;
    for (const std::string& className : splitItems(source.subjects)) {
        auto query = records.execQuery(formatSql(
            "SELECT Gender, Height, Weight, Birth FROM ArchivesBase WHERE Class = '%s' ORDER BY rowid", className));
        for (; !query.eof(); query.nextRow()) {
            GroupSums& sums = query.getStringField(0) == "男" ? boys : girls;
            sums.count += 1;
            sums.height += leadingDecimal(query.getStringField(1));
            sums.weight += leadingDecimal(query.getStringField(2));
            // A child without a readable birth date counts for height and weight but not for the
            // mean age, which it would otherwise pull towards two thousand years.
            if (const auto age = childAge(query.getStringField(3), today)) {
                sums.months += age->totalMonths();
                sums.aged += 1;
            }
        }
    }
    summarise(boys, true, header.boys);
    summarise(girls, false, header.girls);
}

} // namespace

SubjectHeader loadSubjectHeader(const PlanDaySource& source, const DateTime& today)
{
    SubjectHeader header;
    header.subjects = source.subjects;
    header.archId = source.archId;
    header.kind = source.kind;
    header.personal = source.kind == kPersonalKind;
    if (!source.planFound) {
        return header;
    }
    DatabaseConnection records(RecordDb);
    if (header.personal) {
        readChild(records, source, today, header);
    } else {
        readClasses(records, source, today, header);
    }
    return header;
}

} // namespace pelinor
