#include "gui/library/CCookFoodAddDlg.h"

#include "core/common/AppInfo.h"
#include "core/library/DishIngredientList.h"
#include "core/library/FoodCatalog.h"
#include "core/library/FoodCategories.h"
#include "gui/library/LibraryScreens.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Prompter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CCookFoodAddDlg::CCookFoodAddDlg(QWidget* parent)
    : QDialog(parent)
    , m_search(new QLineEdit(this))
    , m_topCategory(new QComboBox(this))
    , m_subCategory(new QComboBox(this))
    , m_list(new CListCtrlCl(this))
    , m_weight(new QLineEdit(this))
    , m_role(new QComboBox(this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
{
    setObjectName(QStringLiteral("CCookFoodAddDlg"));
    setWindowTitle(QStringLiteral("菜谱原料添加"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_topCategory->setObjectName(QStringLiteral("topCategoryCombo"));
    m_subCategory->setObjectName(QStringLiteral("subCategoryCombo"));
    m_list->setObjectName(QStringLiteral("foodList"));
    m_weight->setObjectName(QStringLiteral("weightEdit"));
    m_role->setObjectName(QStringLiteral("roleCombo"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    auto* searchButton = new QPushButton(QStringLiteral("搜索"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    setUpFoodList(m_list);
    m_topCategory->setMinimumWidth(150);
    m_subCategory->setMinimumWidth(130);
    m_role->addItems(
        { QString::fromUtf8(kMainIngredient), QString::fromUtf8(kMinorIngredient), QString::fromUtf8(kSeasoning) });
    m_role->setCurrentIndex(-1);

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_search);
    filters->addWidget(searchButton);
    filters->addSpacing(12);
    filters->addWidget(formLabel(QStringLiteral("顶层分类："), this));
    filters->addWidget(m_topCategory);
    filters->addWidget(formLabel(QStringLiteral("顶层分类："), this));
    filters->addWidget(m_subCategory);

    auto* choice = new QHBoxLayout;
    choice->addWidget(formLabel(QStringLiteral("原料重量："), this));
    choice->addWidget(m_weight);
    choice->addSpacing(12);
    choice->addWidget(formLabel(QStringLiteral("作        用："), this));
    choice->addWidget(m_role);
    choice->addStretch(1);
    choice->addWidget(m_ok);
    choice->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_list, 1);
    layout->addLayout(choice);
    resize(720, 460);

    runDatabaseWork([&] { fillCategoryCombo(m_topCategory, foodTopCategories()); });
    connect(m_topCategory, &QComboBox::currentIndexChanged, this, &CCookFoodAddDlg::fillSubCategories);
    connect(m_subCategory, &QComboBox::currentIndexChanged, this, &CCookFoodAddDlg::listSubCategory);
    connect(searchButton, &QPushButton::clicked, this, &CCookFoodAddDlg::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &CCookFoodAddDlg::onSearch);
    connect(m_ok, &QPushButton::clicked, this, &CCookFoodAddDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ChosenIngredient CCookFoodAddDlg::chosen() const
{
    return m_chosen;
}

std::optional<ChosenIngredient> CCookFoodAddDlg::choose(QWidget* parent)
{
    CCookFoodAddDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

QLineEdit* CCookFoodAddDlg::searchEdit() const
{
    return m_search;
}

QComboBox* CCookFoodAddDlg::topCategoryCombo() const
{
    return m_topCategory;
}

QComboBox* CCookFoodAddDlg::subCategoryCombo() const
{
    return m_subCategory;
}

CListCtrlCl* CCookFoodAddDlg::foodList() const
{
    return m_list;
}

QLineEdit* CCookFoodAddDlg::weightEdit() const
{
    return m_weight;
}

QComboBox* CCookFoodAddDlg::roleCombo() const
{
    return m_role;
}

QPushButton* CCookFoodAddDlg::okButton() const
{
    return m_ok;
}

void CCookFoodAddDlg::accept()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    if (!isValidWeightText(ss(m_weight->text()))) {
        prompter().warn(QStringLiteral("输入的重量不合法！"), QString::fromUtf8(kSystemPromptCaption));
        m_weight->clear();
        m_weight->setFocus();
        return;
    }
    // The list offers no default role, and an ingredient without one would be stored without one.
    if (m_role->currentIndex() < 0) {
        prompter().warn(QStringLiteral("请选择原料作用！"), QString::fromUtf8(kSystemPromptCaption));
        m_role->setFocus();
        return;
    }
    m_chosen = { m_list->itemText(row, 0), m_weight->text(), m_role->currentText() };
    QDialog::accept();
}

void CCookFoodAddDlg::onSearch()
{
    runDatabaseWork([&] { fillFoodList(m_list, searchFoods(ss(m_search->text()))); });
}

void CCookFoodAddDlg::fillSubCategories(int topIndex)
{
    m_subCategory->clear();
    if (topIndex >= 0) {
        const int topId = m_topCategory->itemData(topIndex).toInt();
        runDatabaseWork([&] { fillCategoryCombo(m_subCategory, foodSubCategories(topId)); });
    }
}

void CCookFoodAddDlg::listSubCategory(int subPosition)
{
    // A list that stayed from another category while no category is shown would mislead.
    if (subPosition < 0) {
        m_list->clearRows();
        return;
    }
    runDatabaseWork([&] {
        fillFoodList(
            m_list, foodsOfNamedSubCategory(m_topCategory->currentData().toInt(), ss(m_subCategory->currentText())));
    });
}

} // namespace pelinor
