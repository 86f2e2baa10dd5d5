#include "core/planning/PlanEditor.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/common/DishComposition.h"
#include "core/common/ItemList.h"
#include "core/common/MealSlot.h"
#include "core/db/DatabaseConnection.h"
#include "core/db/SqlFormat.h"
#include "core/library/DishScaling.h"
#include "core/planning/PlanDates.h"
#include "core/setmeals/ChosenItem.h"
#include "core/setmeals/ItemWeight.h"
#include "core/setmeals/SetMeals.h"

#include <algorithm>
#include <set>

namespace pelinor {

PlanEditor::PlanEditor()
{
    ResetEditor();
}

void PlanEditor::ResetEditor()
{
    m_planId = -1;
    m_name.clear();
    m_subject.clear();
    m_kind.clear();
    m_archId.clear();
    m_cycle.clear();
    m_dayKey.clear();
    m_weekMonday = {};
    m_planDate = {};
    m_meal = 0;
    m_shares = kDefaultShareValues;
    m_reference = {};
    m_referenceYear = 0;
    m_allergies = {};
    m_actual = {};
    m_items.clear();
    m_lines.clear();
    m_recommendations.clear();
    m_changedDays.clear();
}

bool PlanEditor::isWeekPlan() const
{
    return m_cycle == kOneWeekCycle;
}

int PlanEditor::dayIndex() const
{
    return weekDayIndex(m_dayKey);
}

PlanSubject PlanEditor::subject() const
{
    return { m_kind, m_subject, m_archId };
}

std::string PlanEditor::currentMealName() const
{
    return std::string(kMealSlots[static_cast<std::size_t>(m_meal)]);
}

std::string PlanEditor::referenceCaption() const
{
    return currentMealName() + "营养物质参考值";
}

std::string PlanEditor::actualCaption() const
{
    return currentMealName() + "营养物质实际值";
}

void PlanEditor::computeReference()
{
    // Ages count from the year of the plan's date (a one-week plan: its Monday's).
    m_referenceYear = isWeekPlan() ? m_weekMonday.year : m_planDate.year;
    m_reference = ComputeSubjectReference(subject(), m_referenceYear);
    m_allergies = AllergyCheck::forSubject(subject());
}

void PlanEditor::StartNewPlan(const PlanDefinition& definition, const CalendarDate& today)
{
    ResetEditor();
    m_archId = definition.archId;
    const std::vector<std::string> shares = splitItems(definition.sharesText);
    for (std::size_t i = 0; i < shares.size() && i < m_shares.size(); ++i) {
        m_shares[i] = static_cast<float>(leadingDecimal(shares[i]));
    }
    m_name = definition.name;
    m_subject = definition.subject;
    m_kind = std::string(definition.kind == 0 ? kPersonalKind : kGroupKind);
    if (definition.cycle == 0) {
        m_cycle = std::string(kOneDayCycle);
        m_dayKey = std::string(kOneDayKey);
        m_planDate = today;
    } else {
        m_cycle = std::string(kOneWeekCycle);
        m_dayKey = std::string(kWeekDayKeys[0]);
        m_planDate = NextMonday(today);
    }
    m_weekMonday = m_planDate;
    computeReference();
    SelectMeal(0);
}

Outcome<> PlanEditor::OpenSavedPlan(int planId, const CalendarDate& today)
{
    const std::optional<PlanRecord> record = loadPlanRecord(planId);
    if (!record) {
        return refuse(kPlanGoneMessage);
    }
    const std::vector<PlanItemRow> rows = loadPlanItems(planId);
    ResetEditor();
    m_planId = record->id;
    m_name = record->name;
    m_cycle = record->cycle;
    m_kind = record->kind;
    m_subject = record->subject;
    m_archId = record->archId;
    const std::optional<CalendarDate> stored = parseCalendarDate(record->date);
    if (isWeekPlan()) {
        // A week is shown from its Monday, whatever day an older save stored as the plan's date.
        m_weekMonday = stored ? stored->mondayOfWeek() : NextMonday(today);
        m_planDate = m_weekMonday;
        m_dayKey = std::string(kWeekDayKeys[0]);
    } else {
        m_planDate = stored ? *stored : today;
        m_weekMonday = m_planDate;
        m_dayKey = std::string(kOneDayKey);
    }
    for (const PlanItemRow& row : rows) {
        m_items.push_back({ row.dayKey, row.name, row.composition, row.weight, row.meal, row.date, row.isDish });
    }
    computeReference();
    SelectMeal(0);
    return done();
}

void PlanEditor::loadRecommendations()
{
    m_recommendations.clear();
    DatabaseConnection cook(CookDb);
    for (auto query = cook.execQuery(formatSql(
             "SELECT ID, FoodName, Weight, CxcIsDish FROM CXC WHERE CanCi = '%s' ORDER BY rowid", currentMealName()));
         !query.eof(); query.nextRow()) {
        m_recommendations.push_back(
            { query.getIntField(0), query.getStringField(1), query.getStringField(2), query.getStringField(3) });
    }
}

void PlanEditor::SelectMeal(int meal)
{
    if (meal < 0 || meal >= kMealSlotCount || !hasPlan()) {
        return;
    }
    m_meal = meal;
    loadRecommendations();
    ShowMeal();
}

void PlanEditor::ShowMeal()
{
    m_lines.clear();
    m_actual = {};
    const std::string meal = currentMealName();
    MealNutrients nutrients;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const PlanItem& item = m_items[i];
        if (item.meal == meal && item.dayKey == m_dayKey) {
            nutrients.AddComposition(m_actual, item.composition, +1);
            m_lines.push_back({ i, item.name, item.weight, item.composition });
        }
    }
    std::reverse(m_lines.begin(), m_lines.end());
}

MealValues PlanEditor::mealReference() const
{
    MealValues values;
    const float share = m_shares[static_cast<std::size_t>(m_meal)];
    for (int slot = SlotEnergy; slot <= SlotCarbohydrate; ++slot) {
        values.values[static_cast<std::size_t>(slot)] = m_reference[slot] * share / 100.0f;
    }
    return values;
}

void PlanEditor::SelectDay(int index)
{
    if (!isWeekPlan() || index < 0 || index >= static_cast<int>(kWeekDayKeys.size())) {
        return;
    }
    m_dayKey = std::string(kWeekDayKeys[static_cast<std::size_t>(index)]);
    m_planDate = weekDayDate(m_weekMonday, index);
    SelectMeal(0);
}

Outcome<> PlanEditor::DateChanged(const CalendarDate& picked)
{
    if (!hasPlan()) {
        return done();
    }
    const Outcome<int> weekday = checkPickedDate(picked, m_planDate);
    if (!weekday) {
        return weekday.refusal();
    }
    m_planDate = picked;
    if (isWeekPlan()) {
        m_dayKey = std::string(kWeekDayKeys[static_cast<std::size_t>(*weekday)]);
    } else {
        m_weekMonday = picked;
        if (picked.year != m_referenceYear) {
            computeReference(); // the children are a year older in the new year
        }
    }
    SelectMeal(0);
    return done();
}

std::string PlanEditor::dayDateText() const
{
    return m_planDate.text();
}

Outcome<PlanItem> PlanEditor::chosenItem(
    const std::string& name, const std::string& weight, const std::string& composition, const std::string& kind) const
{
    const Outcome<std::string> checked = checkedWeight(weight);
    if (!checked) {
        return checked.refusal();
    }
    return PlanItem { m_dayKey, name, composition, *checked, currentMealName(), dayDateText(),
        std::string(dishFlagOf(kind)) };
}

std::optional<Outcome<PlanItem>> PlanEditor::recommendedItem(int line)
{
    if (line < 0 || line >= static_cast<int>(m_recommendations.size())) {
        return std::nullopt;
    }
    const RecommendationLine shown = m_recommendations[static_cast<std::size_t>(line)];
    std::optional<RecommendationLine> now;
    {
        DatabaseConnection cook(CookDb);
        auto query = cook.execQuery(formatSql(
            "SELECT ID, FoodName, Weight, CxcIsDish, CanCi FROM CXC WHERE ID = '%d' ORDER BY rowid", shown.id));
        if (!query.eof() && query.getStringField(4) == currentMealName()) {
            now = RecommendationLine { query.getIntField(0), query.getStringField(1), query.getStringField(2),
                query.getStringField(3) };
        }
    }
    // A row deleted or changed since the list was read adds nothing; the list shows it as it is now.
    if (!now || now->name != shown.name || now->weight != shown.weight || now->isDish != shown.isDish) {
        loadRecommendations();
        return std::nullopt;
    }
    const Outcome<std::string> checked = checkedWeight(now->weight);
    if (!checked) {
        return Outcome<PlanItem>(checked.refusal());
    }
    const std::string& weight = *checked;
    const bool dish = now->isDish == kIsDish;
    const std::string composition
        = dish ? ScaleDish(now->name, weightValue(weight)) : singleFoodComposition(now->name, weight);
    if (composition.empty()) {
        return Outcome<PlanItem>(refuse(kDishGoneMessage)); // a dish no longer in the library has no foods
    }
    return Outcome<PlanItem>(PlanItem { m_dayKey, now->name, composition, weight, currentMealName(), dayDateText(),
        std::string(dish ? kIsDish : kIsNotDish) });
}

void PlanEditor::addItem(PlanItem item)
{
    if (!hasPlan()) {
        return;
    }
    MealNutrients nutrients;
    m_items.push_back(std::move(item));
    const PlanItem& added = m_items.back();
    m_changedDays.insert(added.dayKey);
    // An item for another day or meal (never from this page) stays out of the shown list.
    if (added.dayKey != m_dayKey || added.meal != currentMealName()) {
        return;
    }
    nutrients.AddComposition(m_actual, added.composition, +1);
    m_lines.insert(m_lines.begin(), { m_items.size() - 1, added.name, added.weight, added.composition });
}

Outcome<PlanItem> PlanEditor::modifiedItem(int line, const std::string& weight, const std::string& composition) const
{
    const Outcome<std::string> checked = checkedWeight(weight);
    if (line < 0 || line >= static_cast<int>(m_lines.size()) || !checked) {
        return refuse(kInvalidWeight, kSystemPromptCaption);
    }
    PlanItem item = m_items[m_lines[static_cast<std::size_t>(line)].item];
    item.weight = *checked;
    item.composition = item.isDish == kIsDish ? composition : singleFoodComposition(item.name, *checked);
    return item;
}

void PlanEditor::replaceItem(int line, PlanItem item)
{
    if (line < 0 || line >= static_cast<int>(m_lines.size())) {
        return;
    }
    ItemLine& shown = m_lines[static_cast<std::size_t>(line)];
    PlanItem& stored = m_items[shown.item];
    MealNutrients nutrients;
    nutrients.AddComposition(m_actual, stored.composition, -1);
    stored.weight = std::move(item.weight);
    stored.composition = std::move(item.composition);
    nutrients.AddComposition(m_actual, stored.composition, +1);
    shown.weight = stored.weight;
    shown.composition = stored.composition;
    m_changedDays.insert(stored.dayKey);
}

void PlanEditor::DeleteItem(int line)
{
    if (line < 0 || line >= static_cast<int>(m_lines.size())) {
        return;
    }
    const std::size_t index = m_lines[static_cast<std::size_t>(line)].item;
    MealNutrients nutrients;
    nutrients.AddComposition(m_actual, m_items[index].composition, -1);
    m_changedDays.insert(m_items[index].dayKey);
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    m_lines.erase(m_lines.begin() + line);
    for (ItemLine& other : m_lines) {
        if (other.item > index) {
            --other.item;
        }
    }
}

Outcome<std::vector<PlanItem>> PlanEditor::setMealItems(int setMealId) const
{
    if (!loadSetMealHead(setMealId)) {
        return refuse(kSetMealGoneMessage);
    }
    std::vector<PlanItem> items;
    for (const SetMealItem& item : loadSetMealItems(setMealId)) {
        items.push_back({ m_dayKey, item.name, item.composition, item.weight, item.meal, dayDateText(), item.isDish });
    }
    return items;
}

bool PlanEditor::currentDayHasItems() const
{
    return std::any_of(
        m_items.begin(), m_items.end(), [this](const PlanItem& item) { return item.dayKey == m_dayKey; });
}

void PlanEditor::ApplySetMeal(const std::vector<PlanItem>& items)
{
    if (!hasPlan()) {
        return;
    }
    std::erase_if(m_items, [this](const PlanItem& item) { return item.dayKey == m_dayKey; });
    for (PlanItem item : items) {
        item.dayKey = m_dayKey;
        m_items.push_back(std::move(item));
    }
    m_changedDays.insert(m_dayKey);
    SelectMeal(0);
}

std::vector<AllergyHit> PlanEditor::allergyHits(const std::string& composition, const std::string& before) const
{
    std::vector<AllergyHit> hits = m_allergies.hits(composition);
    if (!before.empty()) {
        std::set<std::string> earlier;
        for (const CompositionEntry& portion : DishComposition::parse(before)) {
            earlier.insert(portion.foodName);
        }
        std::erase_if(hits, [&earlier](const AllergyHit& hit) { return earlier.count(hit.foodName) != 0; });
    }
    return hits;
}

PlanSaveResult PlanEditor::SavePlan(const CalendarDate& today, const std::string& dietitian)
{
    PlanDayWrite write;
    write.planId = m_planId;
    write.record.name = m_name;
    write.record.cycle = m_cycle;
    write.record.created = today.text();
    write.record.dietitian = dietitian;
    write.record.kind = m_kind;
    write.record.subject = m_subject;
    // The record of a week plan carries its Monday, whichever day is being saved.
    write.record.date = isWeekPlan() ? m_weekMonday.text() : m_planDate.text();
    write.record.archId = m_archId;
    write.dayKey = m_dayKey;
    for (const PlanItem& item : m_items) {
        if (item.dayKey == m_dayKey) {
            write.items.push_back(
                { item.name, item.composition, m_dayKey, item.meal, dayDateText(), item.isDish, item.weight });
        }
    }

    PlanSaveResult result;
    result.planId = savePlanDay(write);
    // Only a committed save gives the editor its plan number.
    m_planId = result.planId;
    m_changedDays.erase(m_dayKey);
    const int index = dayIndex();
    result.finished = !isWeekPlan() || index >= 4;
    if (result.finished) {
        ResetEditor();
    } else {
        SelectDay(index + 1);
    }
    return result;
}

} // namespace pelinor
