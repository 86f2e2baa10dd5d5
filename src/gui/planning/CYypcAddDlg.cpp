#include "gui/planning/CYypcAddDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/Clock.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"
#include "gui/navigation/Navigator.h"
#include "gui/planning/PlanningUi.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CYytcDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// The lower panel's labels, in the reference's slot order.
constexpr std::array<const char*, kIntakeSlotCount> kDailyLabels = { "能    量：", "蛋 白 质：", "脂    肪：",
    "碳水化合物：", "维生素B6：", "钙：", "铁：", "磷：", "硒：", "维生素B12：", "铜：", "钾：", "锌：", "钠：",
    "维生素C：", "镁：", "锰：", "维生素B1：", "维生素A：", "维生素E：" };
constexpr std::array<const char*, 4> kMealValueLabels = { "能    量：", "蛋 白 质：", "脂    肪：", "碳水化合物：" };

QLineEdit* readOnlyBox(const QString& objectName, QWidget* parent, int width = 0)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    if (width > 0) {
        box->setFixedWidth(width);
    }
    return box;
}

QDate qdate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

CalendarDate calendarDate(const QDate& date)
{
    return { date.year(), date.month(), date.day() };
}

CalendarDate today()
{
    return CalendarDate::fromDateTime(programClock().today());
}

} // namespace

CYypcAddDlg::CYypcAddDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_name(readOnlyBox(QStringLiteral("planNameBox"), this, 180))
    , m_subject(readOnlyBox(QStringLiteral("planSubjectBox"), this))
    , m_cycle(readOnlyBox(QStringLiteral("planCycleBox"), this, 60))
    , m_day(new QComboBox(this))
    , m_date(new QDateEdit(this))
    , m_meals(new QButtonGroup(this))
    , m_items(new CListCtrlCl(this))
    , m_recommendations(new QListWidget(this))
    , m_referenceBox(new QGroupBox(this))
    , m_actualBox(new QGroupBox(this))
{
    setObjectName(QStringLiteral("CYypcAddDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(8);
    buildHeader(layout);
    layout->addLayout(buildMealButtons());
    auto* middle = new QHBoxLayout;
    middle->addLayout(buildLists(), 1);
    middle->addSpacing(8);
    middle->addLayout(buildMealBoxes());
    layout->addLayout(middle, 1);
    layout->addWidget(buildDailyPanel());
    layout->addLayout(buildButtons());
    showState();
}

void CYypcAddDlg::buildHeader(QLayout* into)
{
    for (const auto& key : kWeekDayKeys) {
        m_day->addItem(qs(std::string(key)));
    }
    m_day->setObjectName(QStringLiteral("daySelector"));
    m_date->setObjectName(QStringLiteral("planDateEdit"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // Typing a date digit by digit would pass through dates of other weeks; only a finished date counts.
    m_date->setKeyboardTracking(false);
    auto* setMeal = actionButton(
        QStringLiteral("applySetMealButton"), QStringLiteral("setmeal"), QStringLiteral("套用套餐"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(formLabel(QStringLiteral("名称："), this));
    row->addWidget(m_name);
    row->addSpacing(10);
    row->addWidget(formLabel(QStringLiteral("对象："), this));
    row->addWidget(m_subject, 1);
    row->addSpacing(10);
    row->addWidget(formLabel(QStringLiteral("周  期："), this));
    row->addWidget(m_cycle);
    row->addWidget(m_day);
    row->addSpacing(10);
    row->addWidget(formLabel(QStringLiteral("对应时间："), this));
    row->addWidget(m_date);
    row->addWidget(setMeal);
    static_cast<QBoxLayout*>(into)->addLayout(row);

    connect(m_day, &QComboBox::activated, this, &CYypcAddDlg::selectDay);
    connect(m_date, &QDateEdit::dateChanged, this, [this] { dateChanged(); });
    connect(setMeal, &QAbstractButton::clicked, this, &CYypcAddDlg::applySetMeal);
}

QLayout* CYypcAddDlg::buildMealButtons()
{
    auto* row = new QHBoxLayout;
    m_meals->setExclusive(true);
    for (int meal = 0; meal < kMealSlotCount; ++meal) {
        const QString name = qs(std::string(kMealSlots[static_cast<std::size_t>(meal)]));
        auto* button = actionButton(QStringLiteral("mealButton%1").arg(meal), QStringLiteral("dish"), name, this);
        button->setCheckable(true);
        m_meals->addButton(button, meal);
        m_mealButtons[static_cast<std::size_t>(meal)] = button;
        row->addWidget(button);
    }
    row->addStretch();
    connect(m_meals, &QButtonGroup::idClicked, this, &CYypcAddDlg::selectMeal);
    return row;
}

QLayout* CYypcAddDlg::buildLists()
{
    m_items->setObjectName(QStringLiteral("planItemList"));
    m_items->setColumns(
        { QStringLiteral("食谱名称"), QStringLiteral("重量(g)"), QStringLiteral("原料") }, { 130, 70, 0 });
    m_items->setAlignmentString(QStringLiteral("010"));
    m_items->setSkinnedRowHeight();
    m_recommendations->setObjectName(QStringLiteral("recommendationList"));
    m_recommendations->setFixedWidth(170);
    connect(m_recommendations, &QListWidget::itemDoubleClicked, this, &CYypcAddDlg::addRecommended);

    auto* add = actionButton(QStringLiteral("addItemButton"), QStringLiteral("add"), QStringLiteral("添加"), this);
    auto* modify
        = actionButton(QStringLiteral("modifyItemButton"), QStringLiteral("edit"), QStringLiteral("修改"), this);
    auto* remove
        = actionButton(QStringLiteral("deleteItemButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    connect(add, &QAbstractButton::clicked, this, &CYypcAddDlg::addChosenItem);
    connect(modify, &QAbstractButton::clicked, this, &CYypcAddDlg::modifyItem);
    connect(remove, &QAbstractButton::clicked, this, &CYypcAddDlg::deleteItem);

    auto* itemColumn = new QVBoxLayout;
    itemColumn->addWidget(m_items, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(modify);
    buttons->addWidget(remove);
    buttons->addStretch();
    itemColumn->addLayout(buttons);

    auto* recommendationColumn = new QVBoxLayout;
    recommendationColumn->addWidget(new QLabel(QStringLiteral("推荐食物(双击添加)"), this));
    recommendationColumn->addWidget(m_recommendations, 1);

    auto* row = new QHBoxLayout;
    row->addLayout(itemColumn, 1);
    row->addSpacing(8);
    row->addLayout(recommendationColumn);
    return row;
}

QLayout* CYypcAddDlg::buildMealBoxes()
{
    const auto fill = [this](QGroupBox* box, std::array<QLineEdit*, 4>& fields, const QString& prefix) {
        box->setObjectName(prefix + QStringLiteral("Box"));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setVerticalSpacing(4);
        for (int i = 0; i < 4; ++i) {
            fields[static_cast<std::size_t>(i)] = readOnlyBox(prefix + QString::number(i), box, 90);
            grid->addWidget(formLabel(QString::fromUtf8(kMealValueLabels[static_cast<std::size_t>(i)]), box), i, 0);
            grid->addWidget(fields[static_cast<std::size_t>(i)], i, 1);
        }
    };
    fill(m_referenceBox, m_reference, QStringLiteral("mealReference"));
    fill(m_actualBox, m_actual, QStringLiteral("mealActual"));
    auto* column = new QVBoxLayout;
    column->addWidget(m_referenceBox);
    column->addWidget(m_actualBox);
    column->addStretch();
    return column;
}

QGroupBox* CYypcAddDlg::buildDailyPanel()
{
    auto* panel = new QGroupBox(QStringLiteral("每日营养素参考值"), this);
    panel->setObjectName(QStringLiteral("dailyReferencePanel"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    constexpr int kColumns = 5;
    for (int slot = 0; slot < kIntakeSlotCount; ++slot) {
        auto* box = readOnlyBox(QStringLiteral("daily%1").arg(slot), panel, 80);
        m_daily[static_cast<std::size_t>(slot)] = box;
        const int row = slot / kColumns;
        const int column = (slot % kColumns) * 2;
        grid->addWidget(formLabel(QString::fromUtf8(kDailyLabels[static_cast<std::size_t>(slot)]), panel), row, column);
        grid->addWidget(box, row, column + 1);
    }
    return panel;
}

QLayout* CYypcAddDlg::buildButtons()
{
    auto* save = actionButton(QStringLiteral("savePlanButton"), QStringLiteral("save"), QStringLiteral("保存"), this);
    auto* back
        = actionButton(QStringLiteral("leaveEditorButton"), QStringLiteral("back"), QStringLiteral("返回"), this);
    connect(save, &QAbstractButton::clicked, this, &CYypcAddDlg::savePlan);
    connect(back, &QAbstractButton::clicked, this, &CYypcAddDlg::leaveEditor);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addWidget(back);
    return row;
}

QString CYypcAddDlg::referenceText(int value) const
{
    return m_reference[static_cast<std::size_t>(value)]->text();
}

QString CYypcAddDlg::actualText(int value) const
{
    return m_actual[static_cast<std::size_t>(value)]->text();
}

QString CYypcAddDlg::dailyText(int slot) const
{
    return m_daily[static_cast<std::size_t>(slot)]->text();
}

void CYypcAddDlg::ResetEditor()
{
    m_editor.ResetEditor();
    showState();
}

bool CYypcAddDlg::confirmDiscard()
{
    return !m_editor.hasUnsavedChanges()
        || prompter().confirm(
            QStringLiteral("正在编辑的配餐还有未保存的修改，确定要放弃吗？"), QString::fromUtf8(kSystemPromptCaption));
}

bool CYypcAddDlg::openPlan(int planNumber)
{
    if (!confirmDiscard()) {
        navigator().showPage(PageId::PlanEditor);
        return false;
    }
    ResetEditor();
    return OpenSavedPlan(planNumber);
}

void CYypcAddDlg::StartNewPlan(const PlanDefinition& definition)
{
    runDatabaseWork([&] { m_editor.StartNewPlan(definition, today()); });
    showState();
}

bool CYypcAddDlg::OpenSavedPlan(int planId)
{
    const auto opened = runDatabaseWork([&] { return m_editor.OpenSavedPlan(planId, today()); });
    showState();
    if (opened && !opened->ok()) {
        showRefusal(opened->refusal());
    }
    return opened && opened->ok();
}

void CYypcAddDlg::selectMeal(int meal)
{
    runDatabaseWork([&] { m_editor.SelectMeal(meal); });
    showState();
}

void CYypcAddDlg::selectDay(int index)
{
    runDatabaseWork([&] { m_editor.SelectDay(index); });
    showState();
}

void CYypcAddDlg::dateChanged()
{
    if (m_showing || !m_editor.hasPlan()) {
        return; // the page itself set the picker
    }
    const auto changed = runDatabaseWork([&] { return m_editor.DateChanged(calendarDate(m_date->date())); });
    showState(); // a refused date goes back to the plan date
    if (changed && !changed->ok()) {
        showRefusal(changed->refusal());
    }
}

bool CYypcAddDlg::confirmAllergies(const std::string& itemName, const std::vector<AllergyHit>& hits)
{
    if (hits.empty()) {
        return true;
    }
    return prompter().confirm(
        qs(AllergyCheck::warningText(itemName, hits)) + QStringLiteral("\n确定：仍然添加；取消：不添加。"),
        QString::fromUtf8(kSystemPromptCaption));
}

void CYypcAddDlg::addChosenItem()
{
    if (!m_editor.hasPlan()) {
        return;
    }
    const std::optional<ChosenItem> chosen = CPcSelectAddDlg::choose(this, ChooserMode::Plan);
    if (!chosen) {
        return;
    }
    addItem(m_editor.chosenItem(chosen->name, chosen->weight, chosen->composition, chosen->kind));
}

void CYypcAddDlg::addRecommended(QListWidgetItem* clicked)
{
    if (!clicked || !m_editor.hasPlan()) {
        return;
    }
    const int line = m_recommendations->row(clicked);
    const auto found = runDatabaseWork([&] { return m_editor.recommendedItem(line); });
    if (!found || !*found) {
        showState(); // the row is gone or changed: the list shows it as it is now
        return;
    }
    addItem(**found);
}

void CYypcAddDlg::addItem(const Outcome<PlanItem>& item)
{
    if (!item) {
        showRefusal(item.refusal());
        return;
    }
    if (!confirmAllergies(item->name, m_editor.allergyHits(item->composition))) {
        return;
    }
    runDatabaseWork([&] { m_editor.addItem(*item); });
    showState();
}

void CYypcAddDlg::modifyItem()
{
    const int line = m_items->selectedRow();
    if (line < 0 || line >= static_cast<int>(m_editor.lines().size())) {
        return;
    }
    const ItemLine& shown = m_editor.lines()[static_cast<std::size_t>(line)];
    const PlanItem& current = m_editor.items()[shown.item];
    // A dish in the dish editor, a single food in the food editor; neither offers the meal time.
    const std::optional<EditedDish> edited = current.isDish == kIsDish
        ? CPackageCookEditDlg::edit(this, current.name, current.weight, current.composition, std::nullopt)
        : CpackageFoodEditDlg::edit(this, current.name, current.weight);
    if (!edited) {
        return;
    }
    const Outcome<PlanItem> changed = m_editor.modifiedItem(line, edited->weight, edited->composition);
    if (!changed) {
        showRefusal(changed.refusal());
        return;
    }
    if (!confirmAllergies(changed->name, m_editor.allergyHits(changed->composition, current.composition))) {
        return;
    }
    runDatabaseWork([&] { m_editor.replaceItem(line, *changed); });
    showState();
    m_items->selectRow(line);
}

void CYypcAddDlg::deleteItem()
{
    const int line = m_items->selectedRow();
    if (line < 0 || line >= static_cast<int>(m_editor.lines().size())) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    runDatabaseWork([&] { m_editor.DeleteItem(line); });
    showState();
}

void CYypcAddDlg::applySetMeal()
{
    if (!m_editor.hasPlan()) {
        return;
    }
    const std::optional<int> picked = CYytcDlg::pick(this);
    if (!picked) {
        return;
    }
    const auto items = runDatabaseWork([&] { return m_editor.setMealItems(*picked); });
    if (!items) {
        return;
    }
    if (!items->ok()) {
        showRefusal(items->refusal());
        return;
    }
    if (m_editor.currentDayHasItems()
        && !prompter().confirm(
            QStringLiteral("套用套餐将替换当天已选的全部食谱，确定吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    // One question for the whole set meal: keep every item, or leave out those the children cannot eat.
    std::vector<PlanItem> kept;
    std::string warning;
    for (const PlanItem& item : items->value()) {
        const std::vector<AllergyHit> hits = m_editor.allergyHits(item.composition);
        if (hits.empty()) {
            kept.push_back(item);
        } else {
            warning += AllergyCheck::warningText(item.name, hits);
        }
    }
    if (!warning.empty()) {
        if (prompter().confirm(qs(warning) + QStringLiteral("\n确定：仍然套用这些食谱；取消：不套用这些食谱。"),
                QString::fromUtf8(kSystemPromptCaption))) {
            kept = items->value();
        }
    }
    runDatabaseWork([&] { m_editor.ApplySetMeal(kept); });
    showState();
}

void CYypcAddDlg::savePlan()
{
    if (!m_editor.hasPlan()) {
        return;
    }
    const auto saved = runDatabaseWork([&] { return m_editor.SavePlan(today(), planDietitian()); });
    if (!saved) {
        showState();
        return; // nothing was written; the editor is as it was
    }
    showState();
    if (saved->finished) {
        showPlanList();
    } else {
        prompter().info(QStringLiteral("保存成功"), QString::fromUtf8(kApplicationTitle));
    }
}

void CYypcAddDlg::leaveEditor()
{
    if (!confirmDiscard()) {
        return;
    }
    ResetEditor();
    showPlanList();
}

void CYypcAddDlg::showPlanList()
{
    navigator().openPlanList();
}

void CYypcAddDlg::showState()
{
    m_showing = true;
    const bool plan = m_editor.hasPlan();
    m_name->setText(qs(m_editor.planName()));
    m_subject->setText(qs(m_editor.subjectText()));
    m_subject->setCursorPosition(0);
    m_cycle->setText(qs(m_editor.cycle()));
    m_day->setVisible(m_editor.isWeekPlan());
    if (m_editor.isWeekPlan()) {
        const QSignalBlocker blockDay(m_day);
        m_day->setCurrentIndex(m_editor.dayIndex());
    }
    {
        const QSignalBlocker blockDate(m_date);
        m_date->setDate(plan ? qdate(m_editor.planDate()) : qdate(today()));
    }
    m_date->setEnabled(plan);

    const int meal = m_editor.currentMeal();
    m_mealButtons[static_cast<std::size_t>(meal)]->setChecked(true);
    m_referenceBox->setTitle(qs(m_editor.referenceCaption()));
    m_actualBox->setTitle(qs(m_editor.actualCaption()));
    const MealValues reference = m_editor.mealReference();
    const MealValues& actual = m_editor.mealActual();
    for (std::size_t i = 0; i < 4; ++i) {
        m_reference[i]->setText(qs(formatFixed(reference.values[i], 2)));
        m_actual[i]->setText(qs(formatFixed(actual.values[i], 2)));
    }
    for (int slot = 0; slot < kIntakeSlotCount; ++slot) {
        m_daily[static_cast<std::size_t>(slot)]->setText(qs(formatFixed(m_editor.reference()[slot], 2)));
    }

    m_items->clearRows();
    for (const ItemLine& line : m_editor.lines()) {
        const int row = m_items->appendRow({ qs(line.name), qs(line.weight), qs(line.composition) });
        m_items->item(row, 2)->setToolTip(qs(line.composition)); // long compositions are cut in the list
    }
    m_recommendations->clear();
    for (const RecommendationLine& line : m_editor.recommendations()) {
        m_recommendations->addItem(qs(line.text()));
    }
    m_showing = false;
}

} // namespace pelinor
