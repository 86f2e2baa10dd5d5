#include "gui/setmeals/CPackageDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/MealSlot.h"
#include "core/common/NumberFormat.h"
#include "core/setmeals/SetMealItems.h"
#include "core/setmeals/SetMealReference.h"
#include "gui/setmeals/CPackageCAddDlg.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QString kCaption = QString::fromUtf8(kSystemPromptCaption);

const char* const kReferenceLabels[kSetMealPanelCount] = { "能量(kcal)：", "蛋白质(g)：", "脂肪(g)：",
    "碳水化合物(g)：", "钙(mg)：", "磷(mg)：", "钾(mg)：", "钠(mg)：", "镁(mg)：", "铁(mg)：", "锌(ug)：", "硒(ug)：",
    "铜(mg)：", "锰(mg)：", "碘(ug)：", "维生素C(mg)：", "维生素E(mg)：", "维生素A(ug)：", "维生素B1(mg)：" };

// Which set meal a line of the set-meal list stands for: its number, or none for a new one.
constexpr int kNewLine = -1;

} // namespace

CPackageDlg::CPackageDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_setMeals(new CListCtrlCl(this))
    , m_items(new CListCtrlCl(this))
    , m_search(new QLineEdit(this))
    , m_title(new QLabel(this))
{
    setObjectName(QStringLiteral("CPackageDlg"));
    m_setMeals->setObjectName(QStringLiteral("setMealList"));
    m_items->setObjectName(QStringLiteral("itemList"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_search->setPlaceholderText(QStringLiteral("套餐名称或对象"));

    m_setMeals->setColumns(
        { QStringLiteral("编号"), QStringLiteral("套餐名称"), QStringLiteral("对象") }, { 44, 110, 0 });
    m_setMeals->setAlignmentString(QStringLiteral("100"));
    m_setMeals->setSkinnedRowHeight();
    m_setMeals->setFixedWidth(262);
    m_items->setColumns(
        { QStringLiteral("餐次"), QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("是否菜谱") },
        { 56, 150, 70, 0 });
    m_items->setAlignmentString(QStringLiteral("1021"));
    m_items->setSkinnedRowHeight();

    auto* newButton = actionButton(QStringLiteral("newButton"), QStringLiteral("add"), QStringLiteral("新建"), this);
    auto* deleteButton
        = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    auto* searchButton
        = actionButton(QStringLiteral("searchButton"), QStringLiteral("search"), QStringLiteral("查询"), this);
    auto* addItem = actionButton(QStringLiteral("addItemButton"), QStringLiteral("add"), QStringLiteral("添加"), this);
    auto* modifyItem
        = actionButton(QStringLiteral("modifyItemButton"), QStringLiteral("edit"), QStringLiteral("修改"), this);
    auto* deleteItem
        = actionButton(QStringLiteral("deleteItemButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    auto* save = actionButton(QStringLiteral("saveButton"), QStringLiteral("save"), QStringLiteral("保存"), this);
    auto* cancel = actionButton(QStringLiteral("cancelButton"), QStringLiteral("cancel"), QStringLiteral("取消"), this);

    // Left: the set meals.
    auto* setMealButtons = new QHBoxLayout;
    setMealButtons->addWidget(newButton);
    setMealButtons->addWidget(deleteButton);
    setMealButtons->addStretch(1);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(searchButton);
    auto* left = new QVBoxLayout;
    left->addLayout(setMealButtons);
    left->addWidget(m_setMeals, 1);
    left->addLayout(searchRow);

    // Middle: the items of the set meal being edited.
    auto* itemButtons = new QHBoxLayout;
    itemButtons->addWidget(addItem);
    itemButtons->addWidget(modifyItem);
    itemButtons->addWidget(deleteItem);
    itemButtons->addStretch(1);
    auto* saveButtons = new QHBoxLayout;
    saveButtons->addStretch(1);
    saveButtons->addWidget(save);
    saveButtons->addWidget(cancel);
    auto* middle = new QVBoxLayout;
    middle->addLayout(itemButtons);
    middle->addWidget(m_title);
    middle->addWidget(m_items, 1);
    middle->addLayout(saveButtons);

    // Right: the reference values.
    auto* panel = new QGroupBox(QStringLiteral("参考值"), this);
    panel->setObjectName(QStringLiteral("referencePanel"));
    auto* grid = new QGridLayout(panel);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kSetMealPanelCount; ++i) {
        auto* value = new QLabel(panel);
        value->setObjectName(QStringLiteral("referenceValue%1").arg(i));
        value->setMinimumWidth(70);
        grid->addWidget(formLabel(QString::fromUtf8(kReferenceLabels[i]), panel), i, 0);
        grid->addWidget(value, i, 1);
        m_reference.append(value);
    }
    grid->setRowStretch(kSetMealPanelCount, 1);
    panel->setFixedWidth(220);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addLayout(left);
    layout->addLayout(middle, 1);
    layout->addWidget(panel);

    connect(newButton, &QAbstractButton::clicked, this, &CPackageDlg::onNewSetMeal);
    connect(deleteButton, &QAbstractButton::clicked, this, &CPackageDlg::onDeleteSetMeal);
    connect(searchButton, &QAbstractButton::clicked, this, &CPackageDlg::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &CPackageDlg::onSearch);
    connect(addItem, &QAbstractButton::clicked, this, &CPackageDlg::onAddItem);
    connect(modifyItem, &QAbstractButton::clicked, this, &CPackageDlg::onModifyItem);
    connect(deleteItem, &QAbstractButton::clicked, this, &CPackageDlg::onDeleteItem);
    connect(m_items, &QTableWidget::cellDoubleClicked, this, &CPackageDlg::onModifyItem);
    connect(save, &QAbstractButton::clicked, this, &CPackageDlg::onSave);
    connect(cancel, &QAbstractButton::clicked, this, &CPackageDlg::onCancel);
    connect(m_setMeals, &QTableWidget::itemSelectionChanged, this, &CPackageDlg::onSetMealChosen);

    fillSetMealList();
    showSetMeal();
}

void CPackageDlg::showEvent(QShowEvent* event)
{
    CSkinPage::showEvent(event);
    if (!event->spontaneous()) {
        fillSetMealList();
    }
}

CListCtrlCl* CPackageDlg::setMealList() const
{
    return m_setMeals;
}

CListCtrlCl* CPackageDlg::itemList() const
{
    return m_items;
}

QLineEdit* CPackageDlg::searchEdit() const
{
    return m_search;
}

QLabel* CPackageDlg::titleLabel() const
{
    return m_title;
}

QString CPackageDlg::referenceText(int index) const
{
    return m_reference.value(index) ? m_reference.value(index)->text() : QString();
}

const std::optional<SetMeal>& CPackageDlg::setMeal() const
{
    return m_setMeal;
}

bool CPackageDlg::hasUnsavedChanges() const
{
    return m_dirty;
}

void CPackageDlg::fillSetMealList()
{
    const auto heads = runDatabaseWork([&] {
        const std::string text = ss(m_search->text().trimmed());
        return text.empty() ? listSetMeals() : searchSetMeals(text);
    });
    const auto provisional
        = m_setMeal && !m_setMeal->id ? runDatabaseWork([] { return nextSetMealNumber(); }) : std::optional<int>();
    m_selecting = true;
    m_setMeals->clearRows();
    // A new set meal stays at the top until it is saved; its number is the one it would get now.
    if (m_setMeal && !m_setMeal->id) {
        const int row = m_setMeals->appendRow(
            { provisional ? QString::number(*provisional) : QString(), qs(m_setMeal->title), qs(m_setMeal->object) });
        m_setMeals->item(row, 0)->setData(Qt::UserRole, kNewLine);
    }
    if (heads) {
        for (const SetMealHead& head : *heads) {
            const int row = m_setMeals->appendRow({ QString::number(head.id), qs(head.title), qs(head.object) });
            m_setMeals->item(row, 0)->setData(Qt::UserRole, head.id);
        }
    }
    m_selecting = false;
    selectCurrentLine();
}

void CPackageDlg::selectCurrentLine()
{
    m_selecting = true;
    m_setMeals->clearSelection();
    if (m_setMeal) {
        const int wanted = m_setMeal->id.value_or(kNewLine);
        for (int row = 0; row < m_setMeals->rowCount(); ++row) {
            if (m_setMeals->item(row, 0)->data(Qt::UserRole).toInt() == wanted) {
                m_setMeals->selectRow(row);
                break;
            }
        }
    }
    m_selecting = false;
}

void CPackageDlg::showSetMeal()
{
    if (m_setMeal) {
        m_title->setText(QStringLiteral("套餐名称：%1    对象：%2").arg(qs(m_setMeal->title), qs(m_setMeal->object)));
    } else {
        m_title->clear();
    }
    showItems();
    if (m_setMeal) {
        showReference(m_setMeal->object);
    } else {
        for (QLabel* value : m_reference) {
            value->clear();
            value->setToolTip({});
        }
    }
}

void CPackageDlg::showItems()
{
    const int selected = m_items->selectedRow();
    m_items->clearRows();
    if (!m_setMeal) {
        return;
    }
    for (const SetMealItem& item : m_setMeal->items) {
        m_items->appendRow({ qs(item.meal), qs(item.name), qs(item.weight), qs(item.isDish) });
    }
    if (selected >= 0 && selected < m_items->rowCount()) {
        m_items->selectRow(selected);
    }
}

void CPackageDlg::showReference(const std::string& object)
{
    const auto reference = runDatabaseWork([&] { return SetMealReference(object); });
    for (int i = 0; i < kSetMealPanelCount; ++i) {
        m_reference[i]->setText(
            reference ? qs(formatFixed(reference->values[static_cast<std::size_t>(i)], 2)) : QString());
        m_reference[i]->setToolTip({});
    }
    if (!reference) {
        return;
    }
    // Energy, protein, fat and carbohydrate by meal time, at each meal's share of the day.
    for (int i = 0; i < 4; ++i) {
        QStringList shares;
        for (int meal = 0; meal < kMealSlotCount; ++meal) {
            const auto values = setMealMealReference(*reference, meal);
            shares << QStringLiteral("%1：%2").arg(qs(std::string(kMealSlots[static_cast<std::size_t>(meal)])),
                qs(formatFixed(values[static_cast<std::size_t>(i)], 2)));
        }
        m_reference[i]->setToolTip(shares.join(QLatin1Char('\n')));
    }
}

void CPackageDlg::clearSetMeal()
{
    m_setMeal.reset();
    m_dirty = false;
    showSetMeal();
}

bool CPackageDlg::mayDropChanges()
{
    return !m_dirty || prompter().confirm(QStringLiteral("当前套餐尚未保存，确定要放弃修改吗？"), kCaption);
}

void CPackageDlg::changed()
{
    m_dirty = true;
}

void CPackageDlg::onSetMealChosen()
{
    if (m_selecting) {
        return;
    }
    const int row = m_setMeals->selectedRow();
    if (row < 0) {
        return;
    }
    const int id = m_setMeals->item(row, 0)->data(Qt::UserRole).toInt();
    if (m_setMeal && m_setMeal->id.value_or(kNewLine) == id) {
        return;
    }
    if (id == kNewLine || !mayDropChanges()) {
        selectCurrentLine();
        return;
    }
    const auto loaded = runDatabaseWork([id] { return loadSetMeal(id); });
    if (!loaded) {
        selectCurrentLine();
        return;
    }
    m_setMeal = *loaded; // none when it has gone in the meantime
    m_dirty = false;
    fillSetMealList();
    showSetMeal();
}

void CPackageDlg::onNewSetMeal()
{
    if (!mayDropChanges()) {
        return;
    }
    CPackageCAddDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_setMeal = SetMeal { std::nullopt, dialog.name(), dialog.object(), {} };
    m_dirty = true;
    fillSetMealList();
    showSetMeal();
}

void CPackageDlg::onDeleteSetMeal()
{
    const int row = m_setMeals->selectedRow();
    if (row < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗"), kCaption)) {
        return;
    }
    const int id = m_setMeals->item(row, 0)->data(Qt::UserRole).toInt();
    if (id != kNewLine && !runDatabaseWork([id] { deleteSetMeal(id); })) {
        return;
    }
    // The later set meals have new numbers now: the page holds none of them.
    clearSetMeal();
    fillSetMealList();
}

void CPackageDlg::onSearch()
{
    fillSetMealList();
}

void CPackageDlg::onAddItem()
{
    if (!m_setMeal) {
        showMessage(QStringLiteral("请添加套餐信息！"), kCaption);
        return;
    }
    const auto chosen = CPcSelectAddDlg::choose(this, ChooserMode::SetMeal);
    if (!chosen) {
        return;
    }
    m_setMeal->items.push_back(setMealItemOf(*chosen));
    changed();
    showItems();
    m_items->selectRow(m_items->rowCount() - 1);
}

void CPackageDlg::onModifyItem()
{
    const int row = m_items->selectedRow();
    if (!m_setMeal || row < 0 || row >= static_cast<int>(m_setMeal->items.size())) {
        return;
    }
    SetMealItem& item = m_setMeal->items[static_cast<std::size_t>(row)];
    const auto edited = item.isDish == kIsDish
        ? CPackageCookEditDlg::edit(this, item.name, item.weight, item.composition, item.meal)
        : CpackageFoodEditDlg::edit(this, item.name, item.weight, item.meal);
    if (!edited) {
        return;
    }
    item = editedSetMealItem(item, *edited);
    changed();
    showItems();
}

void CPackageDlg::onDeleteItem()
{
    const int row = m_items->selectedRow();
    if (!m_setMeal || row < 0 || row >= static_cast<int>(m_setMeal->items.size())) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), kCaption)) {
        return;
    }
    m_setMeal->items.erase(m_setMeal->items.begin() + row);
    changed();
    showItems();
}

void CPackageDlg::onSave()
{
    const SetMeal toSave = m_setMeal.value_or(SetMeal {});
    const auto outcome = runChange([&] { return saveSetMeal(toSave); });
    if (!outcome) {
        return;
    }
    m_setMeal->id = (*outcome)->id;
    m_dirty = false;
    fillSetMealList();
    showMessage(QStringLiteral("保存成功"), kCaption);
}

void CPackageDlg::onCancel()
{
    if (!m_setMeal) {
        return;
    }
    if (!m_setMeal->id) {
        clearSetMeal();
        fillSetMealList();
        return;
    }
    const int id = *m_setMeal->id;
    const auto loaded = runDatabaseWork([id] { return loadSetMeal(id); });
    if (!loaded) {
        return;
    }
    m_setMeal = *loaded;
    m_dirty = false;
    fillSetMealList();
    showSetMeal();
}

} // namespace pelinor
