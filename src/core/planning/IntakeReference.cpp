#include "core/planning/IntakeReference.h"

#include "core/common/ItemList.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"

#include <algorithm>
#include <cctype>

namespace pelinor {

namespace {

constexpr std::string_view kBoy = "男";

// Sums and counts per sex while a subject's children are gathered.
struct SexSums
{
    IntakeRow boys {};
    IntakeRow girls {};
    float boysCarbohydrate = 0.0f;
    float girlsCarbohydrate = 0.0f;
    int boyCount = 0;
    int girlCount = 0;

    void add(const std::string& sex, const IntakeRow& row)
    {
        const bool boy = sex == kBoy;
        IntakeRow& sums = boy ? boys : girls;
        for (std::size_t c = 0; c < sums.size(); ++c) {
            sums[c] += row[c];
        }
        (boy ? boyCount : girlCount) += 1;
        (boy ? boysCarbohydrate : girlsCarbohydrate) = carbohydrateForEnergy(sums[intake_column::Energy]);
    }

    SubjectIntake mean() const
    {
        SubjectIntake result;
        result.boys = boyCount;
        result.girls = girlCount;
        IntakeRow boyMeans = boys;
        IntakeRow girlMeans = girls;
        float boyCarbohydrate = boysCarbohydrate;
        float girlCarbohydrate = girlsCarbohydrate;
        if (boyCount != 0) {
            for (float& value : boyMeans) {
                value /= static_cast<float>(boyCount);
            }
            boyCarbohydrate /= static_cast<float>(boyCount);
        }
        if (girlCount != 0) {
            for (float& value : girlMeans) {
                value /= static_cast<float>(girlCount);
            }
            girlCarbohydrate /= static_cast<float>(girlCount);
        }
        if (boyCount != 0 && girlCount != 0) {
            for (std::size_t c = 0; c < result.columns.size(); ++c) {
                result.columns[c] = (boyMeans[c] + girlMeans[c]) * 0.5f;
            }
            result.carbohydrate = (boyCarbohydrate + girlCarbohydrate) * 0.5f;
        } else if (girlCount != 0) {
            result.columns = girlMeans;
            result.carbohydrate = girlCarbohydrate;
        } else if (boyCount != 0) {
            result.columns = boyMeans;
            result.carbohydrate = boyCarbohydrate;
        }
        return result;
    }
};

void addChildren(CppSQLite3DB& records, const std::string& sql, int referenceYear, const IntakeTable& table,
    SexSums& sums, bool firstOnly)
{
    for (auto query = records.execQuery(sql); !query.eof(); query.nextRow()) {
        const std::string sex = query.getStringField(0);
        const int age = referenceYear - yearOfDateText(query.getStringField(1));
        if (const IntakeRow* row = table.find(age, sex)) {
            sums.add(sex, *row);
        }
        if (firstOnly) {
            break;
        }
    }
}

} // namespace

float carbohydrateForEnergy(float energy)
{
    return energy * 0.6f * 0.25f;
}

int yearOfDateText(const std::string& date)
{
    // atoi of the first four characters: an optional sign, then the leading digits.
    const std::string head = date.substr(0, 4);
    std::size_t i = 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < head.size() && (head[i] == '-' || head[i] == '+')) {
        negative = head[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i) {
        value = value * 10 + (head[i] - '0');
    }
    return negative ? -value : value;
}

IntakeTable::IntakeTable(CppSQLite3DB& intakeDb)
{
    for (auto query = intakeDb.execQuery("SELECT * FROM CDRIS ORDER BY rowid"); !query.eof(); query.nextRow()) {
        Entry entry { query.getIntField(1), query.getStringField(3), {} };
        const int columns = std::min(query.numFields(), kIntakeColumnCount);
        for (int c = 0; c < columns; ++c) {
            entry.row[static_cast<std::size_t>(c)] = static_cast<float>(query.getFloatField(c));
        }
        m_rows.push_back(std::move(entry));
    }
}

const IntakeRow* IntakeTable::find(int age, const std::string& sex) const
{
    for (const Entry& entry : m_rows) {
        if (entry.age == age && entry.sex == sex) {
            return &entry.row;
        }
    }
    return nullptr;
}

const IntakeRow* IntakeTable::firstOfAge(int age) const
{
    for (const Entry& entry : m_rows) {
        if (entry.age == age) {
            return &entry.row;
        }
    }
    return nullptr;
}

SubjectIntake subjectIntake(const PlanSubject& subject, int referenceYear)
{
    DatabaseConnection intakeDb(IntakeCriterionDb);
    const IntakeTable table(intakeDb);
    DatabaseConnection records(RecordDb);
    SexSums sums;
    if (subject.kind == kPersonalKind) {
        const std::string sql = subject.archId.empty()
            ? formatSql("SELECT Gender, Birth FROM ArchivesBase WHERE ArchName = '%s' ORDER BY rowid", subject.text)
            : formatSql("SELECT Gender, Birth FROM ArchivesBase WHERE ArchID = '%s' ORDER BY rowid", subject.archId);
        addChildren(records, sql, referenceYear, table, sums, true);
    } else {
        for (const std::string& className : splitItems(subject.text)) {
            addChildren(records,
                formatSql("SELECT Gender, Birth FROM ArchivesBase WHERE Class = '%s' ORDER BY rowid", className),
                referenceYear, table, sums, false);
        }
    }
    return sums.mean();
}

IntakeReference intakeReferenceOf(const SubjectIntake& intake)
{
    IntakeReference reference;
    for (int slot = 0; slot < kIntakeSlotCount; ++slot) {
        const int column = kIntakeSlotColumn[static_cast<std::size_t>(slot)];
        reference.values[static_cast<std::size_t>(slot)] = column < 0 ? intake.carbohydrate : intake[column];
    }
    return reference;
}

IntakeReference ComputeSubjectReference(const PlanSubject& subject, int referenceYear)
{
    return intakeReferenceOf(subjectIntake(subject, referenceYear));
}

} // namespace pelinor
