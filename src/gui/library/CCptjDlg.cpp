#include "gui/library/CCptjDlg.h"

#include "core/common/AppInfo.h"
#include "core/setmeals/MealTimeDishes.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

namespace {

constexpr int kIdColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kWeightColumn = 2;

} // namespace

CCptjDlg::CCptjDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_meal(new QComboBox(this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CCptjDlg"));
    m_meal->setObjectName(QStringLiteral("mealCombo"));
    m_list->setObjectName(QStringLiteral("itemList"));
    m_meal->setMinimumWidth(110);
    m_list->setColumns(
        { QStringLiteral("对应编号"), QStringLiteral("名称"), QStringLiteral("重量(g)"), QStringLiteral("是否菜谱") },
        { 90, 220, 110, 0 });
    m_list->setAlignmentString(QStringLiteral("1021"));
    m_list->setSkinnedRowHeight();

    auto* add = actionButton(QStringLiteral("addButton"), QStringLiteral("add"), QStringLiteral("添加"), this);
    auto* edit = actionButton(QStringLiteral("editButton"), QStringLiteral("edit"), QStringLiteral("修改重量"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("餐   次："), this));
    bar->addWidget(m_meal);
    bar->addSpacing(16);
    bar->addWidget(add);
    bar->addWidget(edit);
    bar->addWidget(remove);
    bar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(bar);
    layout->addWidget(m_list, 1);

    fillMealCombo(m_meal);
    showMealTimeItems();

    connect(m_meal, &QComboBox::currentIndexChanged, this, &CCptjDlg::showMealTimeItems);
    connect(add, &QAbstractButton::clicked, this, &CCptjDlg::onAdd);
    connect(edit, &QAbstractButton::clicked, this, &CCptjDlg::onEditWeight);
    connect(remove, &QAbstractButton::clicked, this, &CCptjDlg::onDelete);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CCptjDlg::onEditWeight);
}

QComboBox* CCptjDlg::mealCombo() const
{
    return m_meal;
}

CListCtrlCl* CCptjDlg::itemList() const
{
    return m_list;
}

void CCptjDlg::showMealTimeItems()
{
    const std::string meal = ss(m_meal->currentText());
    const auto items = runDatabaseWork([&] { return mealTimeItems(meal); });
    m_list->clearRows();
    if (!items) {
        return;
    }
    for (const MealTimeItem& item : *items) {
        m_list->appendRow({ QString::number(item.id), qs(item.name), qs(item.weight), qs(item.isDish) });
    }
}

void CCptjDlg::onAdd()
{
    // The item goes under the meal time chosen here; the chooser shows it and keeps it.
    const std::string meal = ss(m_meal->currentText());
    const auto chosen = CPcSelectAddDlg::choose(this, ChooserMode::SetMeal, meal);
    if (!chosen) {
        return;
    }
    const auto added = runDatabaseWork([&] { return addMealTimeItem(meal, *chosen); });
    if (added && !added->ok()) {
        showRefusal(*added);
    }
    showMealTimeItems();
}

void CCptjDlg::onEditWeight()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    const int id = m_list->itemText(row, kIdColumn).toInt();
    const auto weight
        = CFweightEditDlg::editWeight(this, m_list->itemText(row, kNameColumn), m_list->itemText(row, kWeightColumn));
    if (!weight) {
        return;
    }
    const auto edited = runDatabaseWork([&] { return editMealTimeItemWeight(id, ss(*weight)); });
    if (edited && !edited->ok()) {
        showRefusal(*edited);
    }
    showMealTimeItems();
}

void CCptjDlg::onDelete()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择删除对象"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    const int id = m_list->itemText(row, kIdColumn).toInt();
    runDatabaseWork([id] { deleteMealTimeItem(id); });
    showMealTimeItems();
}

} // namespace pelinor
