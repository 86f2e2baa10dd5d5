#include "core/setmeals/SetMealReference.h"

#include "core/common/Clock.h"
#include "core/common/ItemList.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/planning/IntakeReference.h"

namespace pelinor {

namespace {

constexpr int kFallbackAge = 4;

struct SexSums
{
    IntakeRow sums {};
    int count = 0;

    IntakeRow mean() const
    {
        IntakeRow result = sums;
        if (count != 0) {
            for (float& value : result) {
                value /= static_cast<float>(count);
            }
        }
        return result;
    }
};

} // namespace

SetMealReferenceValues SetMealReference(const std::string& object)
{
    DatabaseConnection intakeDb(IntakeCriterionDb);
    const IntakeTable table(intakeDb);
    DatabaseConnection records(RecordDb);
    const int year = programClock().today().year;

    SexSums boys;
    SexSums girls;
    for (const std::string& className : splitItems(object)) {
        for (auto query = records.execQuery(
                 formatSql("SELECT Gender, Birth FROM ArchivesBase  WHERE  Class = '%s' ORDER BY rowid", className));
             !query.eof(); query.nextRow()) {
            const std::string sex = query.getStringField(0);
            const int age = year - yearOfDateText(query.getStringField(1));
            SexSums& own = sex == "男" ? boys : girls;
            // The child counts whether or not the table has a row for it.
            own.count += 1;
            if (const IntakeRow* row = table.find(age, sex)) {
                for (std::size_t c = 0; c < own.sums.size(); ++c) {
                    own.sums[c] += (*row)[c];
                }
            }
        }
    }

    SetMealReferenceValues result;
    result.boys = boys.count;
    result.girls = girls.count;
    IntakeRow day {};
    if (boys.count == 0 && girls.count == 0) {
        result.fallback = true;
        if (const IntakeRow* row = table.firstOfAge(kFallbackAge)) {
            day = *row;
        }
    } else if (boys.count != 0 && girls.count != 0) {
        const IntakeRow boyMeans = boys.mean();
        const IntakeRow girlMeans = girls.mean();
        for (std::size_t c = 0; c < day.size(); ++c) {
            day[c] = (boyMeans[c] + girlMeans[c]) * 0.5f;
        }
    } else {
        day = boys.count != 0 ? boys.mean() : girls.mean();
    }

    for (std::size_t slot = 0; slot < result.values.size(); ++slot) {
        const int column = kSetMealPanelColumn[slot];
        result.values[slot]
            = column < 0 ? carbohydrateForEnergy(day[intake_column::Energy]) : day[static_cast<std::size_t>(column)];
    }
    return result;
}

std::array<float, 4> setMealMealReference(const SetMealReferenceValues& day, int mealSlot)
{
    const float share = kSetMealMealShares[static_cast<std::size_t>(mealSlot)];
    return { day.values[0] * share, day.values[1] * share, day.values[2] * share, day.values[3] * share };
}

} // namespace pelinor
