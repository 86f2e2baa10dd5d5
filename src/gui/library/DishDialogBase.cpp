#include "gui/library/DishDialogBase.h"

#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/LibraryScreens.h"
#include "gui/library/NutrientBoxGrid.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

constexpr int kTextBoxHeight = 56;

QLabel* link(const QString& text, const QString& objectName, QWidget* parent)
{
    // Rich text would fold the wide blanks of the captions into one.
    QString caption = text.toHtmlEscaped();
    caption.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

DishDialogBase::DishDialogBase(
    const QString& title, const QString& tabooLabel, IncompatibilityRule rule, QWidget* parent)
    : QDialog(parent)
    , m_name(lineBox(QStringLiteral("dishNameEdit"), this))
    , m_category(lineBox(QStringLiteral("dishCategoryEdit"), this))
    , m_intro(textBox(kTextBoxHeight, QStringLiteral("introEdit"), this))
    , m_method(textBox(kTextBoxHeight, QStringLiteral("methodEdit"), this))
    , m_value(textBox(kTextBoxHeight, QStringLiteral("valueEdit"), this))
    , m_taboo(textBox(kTextBoxHeight, QStringLiteral("tabooEdit"), this))
    , m_suitable(lineBox(QStringLiteral("suitableEdit"), this))
    , m_taste(lineBox(QStringLiteral("tasteEdit"), this))
    , m_craft(lineBox(QStringLiteral("craftEdit"), this))
    , m_list(new CListCtrlCl(this))
    , m_incompatible(lineBox(QStringLiteral("incompatibleEdit"), this))
    , m_nutrients(new NutrientBoxGrid(false, 5, this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
    , m_ingredients(rule)
{
    setWindowTitle(title);
    m_list->setObjectName(QStringLiteral("ingredientList"));
    m_list->setColumns(
        { QStringLiteral("原料名称"), QStringLiteral("重量(g)"), QStringLiteral("作用") }, { 140, 80, 70 });
    m_list->setAlignmentString(QStringLiteral("011"));
    m_list->setSkinnedRowHeight();
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_incompatible->setReadOnly(true);
    m_ok->setObjectName(QStringLiteral("okButton"));
    // Cancel, then the two links: Tab reaches them in this order after the boxes.
    auto* buttons = buildButtons();
    auto* texts = buildForm(tabooLabel);
    auto* ingredients = buildIngredients();

    auto* top = new QHBoxLayout;
    top->addLayout(texts, 3);
    top->addSpacing(8);
    top->addLayout(ingredients, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addLayout(top, 1);
    layout->addWidget(m_nutrients);
    layout->addLayout(buttons);
    showIngredients();
}

QHBoxLayout* DishDialogBase::buildButtons()
{
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    connect(m_ok, &QPushButton::clicked, this, &DishDialogBase::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

QGridLayout* DishDialogBase::buildForm(const QString& tabooLabel)
{
    auto* texts = new QGridLayout;
    texts->addWidget(formLabel(QStringLiteral("菜谱名称："), this), 0, 0);
    texts->addWidget(m_name, 0, 1);
    texts->addWidget(formLabel(QStringLiteral("所属分类："), this), 0, 2);
    texts->addWidget(m_category, 0, 3);
    texts->addWidget(formLabel(QStringLiteral("口        味："), this), 1, 0);
    texts->addWidget(m_taste, 1, 1);
    texts->addWidget(formLabel(QStringLiteral("工        艺："), this), 1, 2);
    texts->addWidget(m_craft, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("适合人群："), this), 2, 0);
    texts->addWidget(m_suitable, 2, 1, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("食物介绍："), this), 3, 0);
    texts->addWidget(m_intro, 3, 1, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("烹饪方法："), this), 4, 0);
    texts->addWidget(m_method, 4, 1, 1, 3);
    texts->addWidget(formLabel(QStringLiteral("食物价值："), this), 5, 0);
    texts->addWidget(m_value, 5, 1, 1, 3);
    texts->addWidget(formLabel(tabooLabel, this), 6, 0);
    texts->addWidget(m_taboo, 6, 1, 1, 3);
    texts->setColumnStretch(1, 1);
    texts->setColumnStretch(3, 1);
    return texts;
}

QVBoxLayout* DishDialogBase::buildIngredients()
{
    auto* addLink = link(QStringLiteral("添        加"), QStringLiteral("addIngredientLink"), this);
    auto* removeLink = link(QStringLiteral("删        除"), QStringLiteral("removeIngredientLink"), this);
    auto* listHead = new QHBoxLayout;
    listHead->addWidget(new QLabel(QStringLiteral("原料显示："), this));
    listHead->addStretch(1);
    listHead->addWidget(addLink);
    listHead->addSpacing(12);
    listHead->addWidget(removeLink);
    auto* incompatible = new QHBoxLayout;
    incompatible->addWidget(formLabel(QStringLiteral("食物相克："), this));
    incompatible->addWidget(m_incompatible, 1);
    auto* ingredients = new QVBoxLayout;
    ingredients->addLayout(listHead);
    ingredients->addWidget(m_list, 1);
    ingredients->addLayout(incompatible);
    connect(addLink, &QLabel::linkActivated, this, &DishDialogBase::onAddIngredient);
    connect(removeLink, &QLabel::linkActivated, this, &DishDialogBase::onRemoveIngredient);
    return ingredients;
}

QLineEdit* DishDialogBase::nameEdit() const
{
    return m_name;
}

QLineEdit* DishDialogBase::categoryEdit() const
{
    return m_category;
}

CListCtrlCl* DishDialogBase::ingredientList() const
{
    return m_list;
}

QLineEdit* DishDialogBase::incompatibleEdit() const
{
    return m_incompatible;
}

NutrientBoxGrid* DishDialogBase::nutrientBoxes() const
{
    return m_nutrients;
}

QPushButton* DishDialogBase::okButton() const
{
    return m_ok;
}

const DishIngredientList& DishDialogBase::ingredients() const
{
    return m_ingredients;
}

int DishDialogBase::savedDishId() const
{
    return m_savedDishId;
}

DishTexts DishDialogBase::texts() const
{
    return { ss(m_name->text()), ss(m_category->text()), ss(m_intro->toPlainText()), ss(m_method->toPlainText()),
        ss(m_value->toPlainText()), ss(m_taboo->toPlainText()), ss(m_suitable->text()), ss(m_taste->text()),
        ss(m_craft->text()) };
}

void DishDialogBase::setTexts(const DishTexts& texts)
{
    m_name->setText(qs(texts.name));
    m_category->setText(qs(texts.category));
    m_intro->setPlainText(qs(texts.intro));
    m_method->setPlainText(qs(texts.method));
    m_value->setPlainText(qs(texts.value));
    m_taboo->setPlainText(qs(texts.taboo));
    m_suitable->setText(qs(texts.suitable));
    m_taste->setText(qs(texts.taste));
    m_craft->setText(qs(texts.craft));
}

void DishDialogBase::setIngredients(DishIngredientList ingredients)
{
    m_ingredients = std::move(ingredients);
    showIngredients();
}

void DishDialogBase::onAddIngredient()
{
    if (const auto chosen = CCookFoodAddDlg::choose(this)) {
        addIngredient(chosen->foodName, chosen->weight, chosen->role);
    }
}

void DishDialogBase::addIngredient(const QString& foodName, const QString& weight, const QString& role)
{
    if (!runChange([&] { return m_ingredients.add(ss(foodName), ss(weight), ss(role)); })) {
        return;
    }
    showIngredients();
}

void DishDialogBase::onRemoveIngredient()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    m_ingredients.remove(static_cast<std::size_t>(row));
    showIngredients();
}

void DishDialogBase::showIngredients()
{
    m_list->clearRows();
    for (const auto& row : m_ingredients.rows()) {
        m_list->appendRow({ qs(row.foodName), qs(row.weight), qs(row.role) });
    }
    m_incompatible->setText(qs(m_ingredients.incompatibleText()));
    m_nutrients->setSums(m_ingredients.sums());
}

void DishDialogBase::accept()
{
    const auto outcome = runChange([&] { return save(texts(), m_ingredients); });
    if (!outcome) {
        return;
    }
    m_savedDishId = outcome->value();
    QDialog::accept();
}

} // namespace pelinor
