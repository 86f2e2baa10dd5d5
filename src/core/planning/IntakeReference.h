#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelinor {

class CppSQLite3DB;

// One row of the reference-intake table CDRIS, every column read by position as a single-precision
// number (text columns and NULLs read as 0). Columns 6 … 30 are the nutrients: 6 energy, 7 protein,
// 8 fat, 9 calcium, 10 phosphorus, 11 potassium, 12 sodium, 13 magnesium, 14 iron, 15 iodine,
// 16 zinc, 17 selenium, 18 copper, 21 manganese, 23 vitamin A, 25 vitamin E, 26 vitamin B1,
// 28 vitamin B6, 29 vitamin B12, 30 vitamin C.
inline constexpr int kIntakeColumnCount = 31;
using IntakeRow = std::array<float, kIntakeColumnCount>;

namespace intake_column {
inline constexpr int Energy = 6, Protein = 7, Fat = 8, Calcium = 9, Phosphorus = 10, Potassium = 11, Sodium = 12,
                     Magnesium = 13, Iron = 14, Iodine = 15, Zinc = 16, Selenium = 17, Copper = 18, Manganese = 21,
                     VitaminA = 23, VitaminE = 25, VitaminB1 = 26, VitaminB6 = 28, VitaminB12 = 29, VitaminC = 30;
}

// The carbohydrate reference is not in the table: 60 % of the energy at 4 kcal per gram.
float carbohydrateForEnergy(float energy);

// Who a plan (or an analysis) is for. Kind "个人": one child, named by `text` and, in plans saved
// by this program, by its archive number `archId`. Any other kind: the classes listed in `text`
// ("；" between them).
struct PlanSubject
{
    std::string kind;
    std::string text;
    std::string archId;
};

inline constexpr std::string_view kPersonalKind = "个人";
inline constexpr std::string_view kGroupKind = "团体";

// The daily reference of a subject: the CDRIS rows of its children (age = reference year − birth
// year; sex "男" a boy, anything else a girl; a child without a row for its age and sex is left
// out), averaged per sex in single precision and then as the mean of the two sex means (one sex
// alone: its mean; nobody: zeros). `carbohydrate` is formed the same way from each sex's energy
// sum × 0.6 × 0.25. A personal subject is the child with the stored archive number, or, when the
// plan stores none, the first child of that name.
struct SubjectIntake
{
    IntakeRow columns {};
    float carbohydrate = 0.0f;
    int boys = 0;
    int girls = 0;

    float operator[](int column) const
    {
        return columns[static_cast<std::size_t>(column)];
    }
};

// Reads the record file (children) and the intake file (CDRIS). The plan editor counts ages from
// the plan's year, the analysis from today's: the caller says which.
SubjectIntake subjectIntake(const PlanSubject& subject, int referenceYear);

// The reference as the plan editor holds it: 20 values in the editor's fixed order.
enum IntakeSlot : int
{
    SlotEnergy,
    SlotProtein,
    SlotFat,
    SlotCarbohydrate,
    SlotVitaminB6,
    SlotCalcium,
    SlotIron,
    SlotPhosphorus,
    SlotSelenium,
    SlotVitaminB12,
    SlotCopper,
    SlotPotassium,
    SlotZinc,
    SlotSodium,
    SlotVitaminC,
    SlotMagnesium,
    SlotManganese,
    SlotVitaminB1,
    SlotVitaminA,
    SlotVitaminE,
};
inline constexpr int kIntakeSlotCount = 20;

// The CDRIS column behind each slot; -1 for carbohydrate, which is derived.
inline constexpr std::array<int, kIntakeSlotCount> kIntakeSlotColumn = { 6, 7, 8, -1, 28, 9, 14, 10, 17, 29, 18, 11,
    16, 12, 30, 13, 21, 26, 23, 25 };

struct IntakeReference
{
    std::array<float, kIntakeSlotCount> values {};

    float operator[](int slot) const
    {
        return values[static_cast<std::size_t>(slot)];
    }
};

IntakeReference intakeReferenceOf(const SubjectIntake& intake);

// The plan editor's reference of a subject, ages counted from `referenceYear`.
IntakeReference ComputeSubjectReference(const PlanSubject& subject, int referenceYear);

// The year of a "%Y-%m-%d" text as C's atoi reads its first four characters (0 when none).
int yearOfDateText(const std::string& date);

// The CDRIS table, read once: the first stored row (by rowid) for an age and sex, or null.
class IntakeTable
{
public:
    explicit IntakeTable(CppSQLite3DB& intakeDb);
    const IntakeRow* find(int age, const std::string& sex) const;
    // The first stored row of an age, whatever its sex (the set meals' fallback).
    const IntakeRow* firstOfAge(int age) const;

private:
    struct Entry
    {
        int age;
        std::string sex;
        IntakeRow row;
    };
    std::vector<Entry> m_rows;
};

} // namespace pelinor
