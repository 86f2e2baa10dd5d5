#include "gui/setmeals/CPcSelectAddDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/setmeals/ItemChoice.h"
#include "gui/setmeals/COwnAddCookDlg.h"
#include "gui/setmeals/CPCookSelDlg.h"
#include "gui/setmeals/CPFoodSelDlg.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelinor {

namespace {

enum Tab
{
    DishTab,
    FoodTab,
    OwnTab,
};

} // namespace

CPcSelectAddDlg::CPcSelectAddDlg(ChooserMode mode, QWidget* parent, std::optional<std::string> fixedMeal)
    : QDialog(parent)
    , m_mode(mode)
    , m_tabs(new QTabWidget(this))
    , m_dishPage(new CPCookSelDlg(this))
    , m_foodPage(new CPFoodSelDlg(this))
    , m_ownPage(new COwnAddCookDlg(this))
    , m_search(new QLineEdit(this))
    , m_weight(new QLineEdit(this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(mode == ChooserMode::SetMeal ? QStringLiteral("CpackageAddDlg") : QStringLiteral("CPcSelectAddDlg"));
    setWindowTitle(mode == ChooserMode::SetMeal ? QStringLiteral("菜谱添加") : QStringLiteral("食谱添加"));
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_weight->setObjectName(QStringLiteral("weightEdit"));
    m_tabs->addTab(m_dishPage, QStringLiteral("菜    谱"));
    m_tabs->addTab(m_foodPage, QStringLiteral("原    料"));
    m_tabs->addTab(m_ownPage, QStringLiteral("自    制"));
    m_search->setMaximumWidth(200);
    m_weight->setMaximumWidth(100);
    auto* searchButton = textButton(QStringLiteral("搜索"), QStringLiteral("searchButton"), this);
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);
    m_ok->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(m_search);
    top->addWidget(searchButton);
    top->addStretch(1);
    if (mode == ChooserMode::SetMeal) {
        m_meal = new QComboBox(this);
        m_meal->setObjectName(QStringLiteral("mealCombo"));
        fillMealCombo(m_meal);
        if (fixedMeal) {
            selectComboText(m_meal, qs(*fixedMeal));
            m_meal->setEnabled(false);
        }
        top->addWidget(formLabel(QStringLiteral("餐次："), this));
        top->addWidget(m_meal);
        top->addSpacing(12);
    }
    top->addWidget(formLabel(QStringLiteral("食物重量："), this));
    top->addWidget(m_weight);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(900, 560);

    connect(searchButton, &QPushButton::clicked, this, &CPcSelectAddDlg::onSearch);
    connect(m_search, &QLineEdit::returnPressed, this, &CPcSelectAddDlg::onSearch);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPcSelectAddDlg::onTabChanged);
    connect(m_ok, &QPushButton::clicked, this, &CPcSelectAddDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<ChosenItem> CPcSelectAddDlg::choose(
    QWidget* parent, ChooserMode mode, std::optional<std::string> fixedMeal)
{
    CPcSelectAddDlg dialog(mode, parent, std::move(fixedMeal));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

ChosenItem CPcSelectAddDlg::chosen() const
{
    return m_chosen;
}

QTabWidget* CPcSelectAddDlg::tabs() const
{
    return m_tabs;
}

CPCookSelDlg* CPcSelectAddDlg::dishPage() const
{
    return m_dishPage;
}

CPFoodSelDlg* CPcSelectAddDlg::foodPage() const
{
    return m_foodPage;
}

COwnAddCookDlg* CPcSelectAddDlg::ownPage() const
{
    return m_ownPage;
}

QLineEdit* CPcSelectAddDlg::searchEdit() const
{
    return m_search;
}

QComboBox* CPcSelectAddDlg::mealCombo() const
{
    return m_meal;
}

QLineEdit* CPcSelectAddDlg::weightEdit() const
{
    return m_weight;
}

QPushButton* CPcSelectAddDlg::okButton() const
{
    return m_ok;
}

void CPcSelectAddDlg::onTabChanged(int index)
{
    // An own dish weighs what its foods weigh.
    m_weight->setEnabled(index != OwnTab);
}

void CPcSelectAddDlg::onSearch()
{
    const QString text = m_search->text();
    if (trimmedText(ss(text)).empty()) {
        showMessage(QStringLiteral("请输入检索信息！"), QString::fromUtf8(kSystemPromptCaption));
        m_search->setFocus();
        return;
    }
    switch (m_tabs->currentIndex()) {
    case DishTab:
        m_dishPage->setFilter(text);
        break;
    case FoodTab:
        m_foodPage->search(text);
        break;
    case OwnTab:
        m_ownPage->search(text);
        break;
    }
}

void CPcSelectAddDlg::accept()
{
    std::optional<Outcome<ChosenItem>> outcome;
    switch (m_tabs->currentIndex()) {
    case DishTab: {
        const QString name = m_dishPage->selectedDishName();
        if (name.isEmpty()) {
            return;
        }
        outcome = runDatabaseWork([&] { return chooseDishItem(ss(name), ss(m_weight->text())); });
        break;
    }
    case FoodTab: {
        const QString name = m_foodPage->selectedFoodName();
        if (name.isEmpty()) {
            return;
        }
        outcome = chooseFoodItem(ss(name), ss(m_weight->text()));
        break;
    }
    case OwnTab:
        outcome = runDatabaseWork([&] { return storeOwnDish(ss(m_ownPage->nameEdit()->text()), m_ownPage->foods()); });
        break;
    }
    if (!outcome) {
        return; // a database failure, already shown
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        if (m_tabs->currentIndex() != OwnTab) {
            m_weight->setFocus();
        }
        return;
    }
    m_chosen = outcome->value();
    if (m_meal) {
        m_chosen.meal = ss(m_meal->currentText());
    }
    QDialog::accept();
}

} // namespace pelinor
