#include "gui/setmeals/CPackageCookEditDlg.h"

#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/StringConversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CPackageCookEditDlg::CPackageCookEditDlg(const std::string& name,
    const std::string& weight,
    const std::string& composition,
    std::optional<std::string> meal,
    QWidget* parent)
    : QDialog(parent)
    , m_lines(weight, composition)
    , m_name(new QLineEdit(qs(name), this))
    , m_total(new QLineEdit(this))
    , m_list(new CListCtrlCl(this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(QStringLiteral("CPackageCookEditDlg"));
    setWindowTitle(QStringLiteral("套餐菜谱编辑"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_total->setObjectName(QStringLiteral("totalEdit"));
    m_list->setObjectName(QStringLiteral("foodList"));
    m_name->setReadOnly(true);
    m_total->setReadOnly(true);
    setUpFoodWeightList(m_list);
    auto* add = linkButton(QStringLiteral("添加"), QStringLiteral("addLink"), this);
    auto* editLink = linkButton(QStringLiteral("编辑"), QStringLiteral("editLink"), this);
    auto* remove = linkButton(QStringLiteral("删除"), QStringLiteral("deleteLink"), this);
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);

    auto* form = new QGridLayout;
    form->addWidget(formLabel(QStringLiteral("食物名称："), this), 0, 0);
    form->addWidget(m_name, 0, 1);
    form->addWidget(formLabel(QStringLiteral("食        物："), this), 1, 0);
    form->addWidget(m_total, 1, 1);
    if (meal) {
        m_meal = new QComboBox(this);
        m_meal->setObjectName(QStringLiteral("mealCombo"));
        fillMealCombo(m_meal);
        selectComboText(m_meal, qs(*meal));
        form->addWidget(formLabel(QStringLiteral("餐        次："), this), 2, 0);
        form->addWidget(m_meal, 2, 1);
    }

    auto* links = new QHBoxLayout;
    links->addStretch(1);
    links->addWidget(add);
    links->addWidget(editLink);
    links->addWidget(remove);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list, 1);
    layout->addLayout(links);
    layout->addLayout(buttons);
    resize(380, 440);

    showLines();
    connect(add, &QPushButton::clicked, this, &CPackageCookEditDlg::onAddFood);
    connect(editLink, &QPushButton::clicked, this, &CPackageCookEditDlg::onEditFood);
    connect(remove, &QPushButton::clicked, this, &CPackageCookEditDlg::onDeleteFood);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CPackageCookEditDlg::onEditFood);
    connect(m_ok, &QPushButton::clicked, this, &CPackageCookEditDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<EditedDish> CPackageCookEditDlg::edit(QWidget* parent,
    const std::string& name,
    const std::string& weight,
    const std::string& composition,
    std::optional<std::string> meal)
{
    CPackageCookEditDlg dialog(name, weight, composition, std::move(meal), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.edited();
}

EditedDish CPackageCookEditDlg::edited() const
{
    return m_edited;
}

QLineEdit* CPackageCookEditDlg::nameEdit() const
{
    return m_name;
}

QLineEdit* CPackageCookEditDlg::totalEdit() const
{
    return m_total;
}

QComboBox* CPackageCookEditDlg::mealCombo() const
{
    return m_meal;
}

CListCtrlCl* CPackageCookEditDlg::foodList() const
{
    return m_list;
}

QPushButton* CPackageCookEditDlg::okButton() const
{
    return m_ok;
}

void CPackageCookEditDlg::showLines()
{
    const int selected = m_list->selectedRow();
    m_list->clearRows();
    for (const CompositionLine& line : m_lines.lines()) {
        m_list->appendRow({ qs(line.foodName), qs(line.weight) });
    }
    if (selected >= 0 && selected < m_list->rowCount()) {
        m_list->selectRow(selected);
    }
    m_total->setText(qs(m_lines.totalText()));
}

void CPackageCookEditDlg::onAddFood()
{
    const auto chosen = CCookFoodAddDlg::choose(this);
    if (!chosen) {
        return;
    }
    const auto added = m_lines.add(ss(chosen->foodName), ss(chosen->weight));
    if (!added) {
        showRefusal(added);
        return;
    }
    showLines();
}

void CPackageCookEditDlg::onEditFood()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    const auto weight = CFweightEditDlg::editWeight(this, m_list->itemText(row, 0), m_list->itemText(row, 1));
    if (!weight) {
        return;
    }
    const auto changed = m_lines.changeWeight(static_cast<std::size_t>(row), ss(*weight));
    if (!changed) {
        showRefusal(changed);
        return;
    }
    showLines();
}

void CPackageCookEditDlg::onDeleteFood()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    m_lines.remove(static_cast<std::size_t>(row));
    showLines();
}

void CPackageCookEditDlg::accept()
{
    m_edited = { m_lines.totalText(), m_lines.composition(), m_meal ? ss(m_meal->currentText()) : std::string() };
    QDialog::accept();
}

} // namespace pelinor
