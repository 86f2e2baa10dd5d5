#include "gui/setmeals/COwnAddCookDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/library/FoodCategories.h"
#include "core/setmeals/ChooserFoods.h"
#include "core/setmeals/ItemWeight.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/library/LibraryScreens.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QString kCaption = QString::fromUtf8(kSystemPromptCaption);

} // namespace

COwnAddCookDlg::COwnAddCookDlg(QWidget* parent)
    : QWidget(parent)
    , m_name(new QLineEdit(this))
    , m_category(new QComboBox(this))
    , m_foods(new CListCtrlCl(this))
    , m_weight(new QLineEdit(this))
    , m_chosen(new CListCtrlCl(this))
    , m_add(textButton(QStringLiteral("添加"), QStringLiteral("addFoodButton"), this))
    , m_changeWeight(textButton(QStringLiteral("修改重量"), QStringLiteral("changeWeightButton"), this))
    , m_remove(textButton(QStringLiteral("删除原料"), QStringLiteral("removeFoodButton"), this))
{
    setObjectName(QStringLiteral("COwnAddCookDlg"));
    m_name->setObjectName(QStringLiteral("dishNameEdit"));
    m_category->setObjectName(QStringLiteral("categoryCombo"));
    m_foods->setObjectName(QStringLiteral("foodList"));
    m_weight->setObjectName(QStringLiteral("foodWeightEdit"));
    m_chosen->setObjectName(QStringLiteral("chosenList"));
    setUpFoodList(m_foods);
    setUpFoodWeightList(m_chosen);
    m_chosen->setMinimumWidth(300);
    m_category->setMinimumWidth(160);
    m_weight->setMaximumWidth(90);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(formLabel(QStringLiteral("菜谱名称："), this));
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_changeWeight);
    nameRow->addWidget(m_remove);

    auto* left = new QVBoxLayout;
    left->addLayout(nameRow);
    left->addWidget(m_chosen, 1);

    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(formLabel(QStringLiteral("原料类别："), this));
    categoryRow->addWidget(m_category);
    categoryRow->addStretch(1);
    auto* weightRow = new QHBoxLayout;
    weightRow->addStretch(1);
    weightRow->addWidget(formLabel(QStringLiteral("原料重量："), this));
    weightRow->addWidget(m_weight);
    weightRow->addWidget(m_add);
    auto* right = new QVBoxLayout;
    right->addLayout(categoryRow);
    right->addWidget(m_foods, 1);
    right->addLayout(weightRow);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);

    runDatabaseWork([&] {
        const auto tops = foodTopCategories();
        fillCategoryCombo(m_category, tops);
        for (const Category& top : tops) {
            m_topIds.push_back(top.id);
        }
    });

    connect(m_category, &QComboBox::currentIndexChanged, this, &COwnAddCookDlg::onCategoryChanged);
    connect(m_add, &QPushButton::clicked, this, &COwnAddCookDlg::onAddFood);
    connect(m_weight, &QLineEdit::returnPressed, this, &COwnAddCookDlg::onAddFood);
    connect(m_changeWeight, &QPushButton::clicked, this, &COwnAddCookDlg::onChangeWeight);
    connect(m_remove, &QPushButton::clicked, this, &COwnAddCookDlg::onRemoveFood);
}

QLineEdit* COwnAddCookDlg::nameEdit() const
{
    return m_name;
}

QComboBox* COwnAddCookDlg::categoryCombo() const
{
    return m_category;
}

CListCtrlCl* COwnAddCookDlg::foodList() const
{
    return m_foods;
}

QLineEdit* COwnAddCookDlg::weightEdit() const
{
    return m_weight;
}

CListCtrlCl* COwnAddCookDlg::chosenList() const
{
    return m_chosen;
}

QPushButton* COwnAddCookDlg::addButton() const
{
    return m_add;
}

QPushButton* COwnAddCookDlg::changeWeightButton() const
{
    return m_changeWeight;
}

QPushButton* COwnAddCookDlg::removeButton() const
{
    return m_remove;
}

void COwnAddCookDlg::search(const QString& text)
{
    if (const auto rows = runDatabaseWork([&] { return searchFoods(ss(text)); })) {
        fillFoodList(m_foods, *rows);
    }
}

std::vector<OwnDishFood> COwnAddCookDlg::foods() const
{
    std::vector<OwnDishFood> foods;
    for (int row = 0; row < m_chosen->rowCount(); ++row) {
        foods.push_back({ ss(m_chosen->itemText(row, 0)), ss(m_chosen->itemText(row, 1)) });
    }
    return foods;
}

void COwnAddCookDlg::onCategoryChanged(int position)
{
    if (position < 0 || position >= static_cast<int>(m_topIds.size())) {
        return;
    }
    const int topId = m_topIds[static_cast<std::size_t>(position)];
    if (const auto rows = runDatabaseWork([&] { return foodsUnderTopCategory(topId); })) {
        fillFoodList(m_foods, *rows);
    }
}

void COwnAddCookDlg::onAddFood()
{
    const int row = m_foods->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择原料"), kCaption);
        return;
    }
    if (trimmedText(ss(m_weight->text())).empty()) {
        showMessage(QStringLiteral("原料重量不能为空！"), kCaption);
        m_weight->setFocus();
        return;
    }
    const auto weight = checkedWeight(ss(m_weight->text()));
    if (!weight) {
        showRefusal(weight);
        m_weight->setFocus();
        return;
    }
    m_chosen->appendRow({ m_foods->itemText(row, 0), qs(*weight) });
    m_weight->clear();
}

void COwnAddCookDlg::onChangeWeight()
{
    const int row = m_chosen->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择原料"), kCaption);
        return;
    }
    const auto edited = CFweightEditDlg::editWeight(this, m_chosen->itemText(row, 0), m_chosen->itemText(row, 1));
    if (!edited) {
        return;
    }
    const auto weight = checkedWeight(ss(*edited));
    if (!weight) {
        showRefusal(weight);
        return;
    }
    m_chosen->setItemText(row, 1, qs(*weight));
}

void COwnAddCookDlg::onRemoveFood()
{
    const int row = m_chosen->selectedRow();
    if (row < 0) {
        showMessage(QStringLiteral("请选择原料"), kCaption);
        return;
    }
    m_chosen->removeRow(row);
}

} // namespace pelinor
