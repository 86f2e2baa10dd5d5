#pragma once

#include "core/common/CalendarDate.h"
#include "core/common/Outcome.h"
#include "core/planning/AllergyCheck.h"
#include "core/planning/IntakeReference.h"
#include "core/planning/MealNutrients.h"
#include "core/planning/PlanRecords.h"
#include "core/planning/PlanSetup.h"

#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pelinor {

// One dish or single food of the plan being edited, in one meal time of one day.
struct PlanItem
{
    std::string dayKey; // "周一" … "周五", or "一天"
    std::string name;
    std::string composition;
    std::string weight;
    std::string meal;
    std::string date; // the plan date when the item was made
    std::string isDish; // "是" or "否"

    bool operator==(const PlanItem&) const = default;
};

// A line of the item list (current day and meal, newest first). It keeps the position of its item
// in the plan's sequence, so two equal lines never stand for each other.
struct ItemLine
{
    std::size_t item = 0;
    std::string name;
    std::string weight;
    std::string composition;
};

// A line of the recommendation list: a row of the meal-time dish table, kept by its ID.
struct RecommendationLine
{
    int id = 0;
    std::string name;
    std::string weight;
    std::string isDish;

    std::string text() const
    {
        return name + ":" + weight;
    }
};

struct PlanSaveResult
{
    int planId = -1;
    // A one-day plan, or the Friday of a one-week plan: the plan is done and the editor was reset.
    bool finished = false;
};

inline constexpr const char* kSetMealGoneMessage = "该套餐已不存在！";
inline constexpr const char* kDishGoneMessage = "该菜谱已不在食谱库中！";
inline constexpr std::array<float, 5> kDefaultShareValues = { 20.0f, 10.0f, 30.0f, 10.0f, 30.0f };

// The plan editor: a plan's items for all its days and meal times, the day and meal shown, the
// subject's reference and what the shown meal supplies against it. The editor page is a view of it.
// Reads go to the data files as needed; only SavePlan writes.
class PlanEditor
{
public:
    PlanEditor();

    // Back to an empty editor: no plan, default shares, breakfast, nothing counted.
    void ResetEditor();

    // A plan just defined on the set-up page; `today` dates a one-day plan and finds the Monday of
    // a one-week plan.
    void StartNewPlan(const PlanDefinition& definition, const CalendarDate& today);

    // A saved plan with its items, on Monday (one-week plan) at the plan's own date.
    Outcome<> OpenSavedPlan(int planId, const CalendarDate& today);

    // Shows meal k (0 breakfast … 4 dinner) of the current day: captions, recommendations, the
    // meal's reference and its items. Every switch of day or date ends here with breakfast.
    void SelectMeal(int meal);
    // Week day 0 (Monday) … 4 (Friday) of a one-week plan.
    void SelectDay(int index);
    // The date picker moved; refused outside Monday … Friday of the plan's week, and then the
    // page puts the picker back on planDate().
    Outcome<> DateChanged(const CalendarDate& picked);

    // The item an item chooser picked, for the current day and meal ("菜谱": a dish).
    Outcome<PlanItem> chosenItem(const std::string& name,
        const std::string& weight,
        const std::string& composition,
        const std::string& kind) const;
    // The item of recommendation line `line`, as the meal-time table holds it now. Nothing when
    // the row is gone or has changed: the recommendations are then read again.
    std::optional<Outcome<PlanItem>> recommendedItem(int line);
    // Appends an item to the plan and shows it at the top of the list.
    void addItem(PlanItem item);

    // The item of list line `line` with a new weight (and, for a dish, the new composition; a
    // single food's composition is rebuilt from its name and weight).
    Outcome<PlanItem> modifiedItem(int line, const std::string& weight, const std::string& composition) const;
    void replaceItem(int line, PlanItem item);
    void DeleteItem(int line);

    // The items of set meal `setMealId` for the current day.
    Outcome<std::vector<PlanItem>> setMealItems(int setMealId) const;
    // Replaces every item of the current day by `items`, then shows breakfast.
    void ApplySetMeal(const std::vector<PlanItem>& items);
    bool currentDayHasItems() const;

    // Days changed since they were opened or last saved; leaving the editor would lose them.
    bool hasUnsavedChanges() const
    {
        return !m_changedDays.empty();
    }

    // The children of the subject who are allergic to a food of `composition`; foods already in
    // `before` (the item's composition before a change) are not named again.
    std::vector<AllergyHit> allergyHits(const std::string& composition, const std::string& before = {}) const;

    // Saves the current day (all of a one-day plan) in one transaction. A one-day plan, or a week
    // plan on Friday, then resets the editor; otherwise the next day is shown. On a database
    // failure nothing is written and the editor is as it was.
    PlanSaveResult SavePlan(const CalendarDate& today, const std::string& dietitian);

    // What the page shows.
    int planId() const
    {
        return m_planId;
    }
    bool hasPlan() const
    {
        return !m_cycle.empty();
    }
    const std::string& planName() const
    {
        return m_name;
    }
    const std::string& subjectText() const
    {
        return m_subject;
    }
    const std::string& subjectKind() const
    {
        return m_kind;
    }
    const std::string& archId() const
    {
        return m_archId;
    }
    const std::string& cycle() const
    {
        return m_cycle;
    }
    bool isWeekPlan() const;
    const std::string& dayKey() const
    {
        return m_dayKey;
    }
    // 0 … 4 in a one-week plan, -1 in a one-day plan.
    int dayIndex() const;
    int currentMeal() const
    {
        return m_meal;
    }
    const CalendarDate& planDate() const
    {
        return m_planDate;
    }
    const CalendarDate& weekMonday() const
    {
        return m_weekMonday;
    }
    const std::array<float, 5>& shares() const
    {
        return m_shares;
    }
    const IntakeReference& reference() const
    {
        return m_reference;
    }
    // The current meal's share of the energy, protein, fat and carbohydrate references.
    MealValues mealReference() const;
    const MealValues& mealActual() const
    {
        return m_actual;
    }
    std::string referenceCaption() const;
    std::string actualCaption() const;
    const std::vector<PlanItem>& items() const
    {
        return m_items;
    }
    const std::vector<ItemLine>& lines() const
    {
        return m_lines;
    }
    const std::vector<RecommendationLine>& recommendations() const
    {
        return m_recommendations;
    }

private:
    void ShowMeal();
    void loadRecommendations();
    void computeReference();
    PlanSubject subject() const;
    std::string currentMealName() const;
    std::string dayDateText() const;

    int m_planId = -1;
    std::string m_name;
    std::string m_subject;
    std::string m_kind;
    std::string m_archId;
    std::string m_cycle;
    std::string m_dayKey;
    CalendarDate m_weekMonday;
    CalendarDate m_planDate;
    int m_meal = 0;
    std::array<float, 5> m_shares = kDefaultShareValues;
    IntakeReference m_reference;
    int m_referenceYear = 0;
    AllergyCheck m_allergies;
    MealValues m_actual;
    std::vector<PlanItem> m_items;
    std::vector<ItemLine> m_lines;
    std::vector<RecommendationLine> m_recommendations;
    std::set<std::string> m_changedDays;
};

} // namespace pelinor
