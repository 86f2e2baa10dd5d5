#include "gui/setmeals/CpackageFoodEditDlg.h"

#include "core/common/DecimalText.h"
#include "core/setmeals/SetMealItems.h"
#include "gui/setmeals/SetMealWidgets.h"
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

CpackageFoodEditDlg::CpackageFoodEditDlg(
    const std::string& name, const std::string& weight, std::optional<std::string> meal, QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(qs(name), this))
    , m_weight(new QLineEdit(qs(weight), this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(QStringLiteral("CpackageFoodEditDlg"));
    setWindowTitle(QStringLiteral("套餐原料编辑"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_weight->setObjectName(QStringLiteral("weightEdit"));
    m_name->setReadOnly(true);
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);
    m_ok->setDefault(true);

    auto* form = new QGridLayout;
    form->addWidget(formLabel(QStringLiteral("食物名称："), this), 0, 0);
    form->addWidget(m_name, 0, 1);
    int row = 1;
    if (meal) {
        m_meal = new QComboBox(this);
        m_meal->setObjectName(QStringLiteral("mealCombo"));
        fillMealCombo(m_meal);
        selectComboText(m_meal, qs(*meal));
        form->addWidget(formLabel(QStringLiteral("餐        次："), this), row, 0);
        form->addWidget(m_meal, row, 1);
        ++row;
    }
    form->addWidget(formLabel(QStringLiteral("食物重量："), this), row, 0);
    form->addWidget(m_weight, row, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    connect(m_ok, &QPushButton::clicked, this, &CpackageFoodEditDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<EditedDish> CpackageFoodEditDlg::edit(
    QWidget* parent, const std::string& name, const std::string& weight, std::optional<std::string> meal)
{
    CpackageFoodEditDlg dialog(name, weight, std::move(meal), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.edited();
}

EditedDish CpackageFoodEditDlg::edited() const
{
    return m_edited;
}

QLineEdit* CpackageFoodEditDlg::nameEdit() const
{
    return m_name;
}

QComboBox* CpackageFoodEditDlg::mealCombo() const
{
    return m_meal;
}

QLineEdit* CpackageFoodEditDlg::weightEdit() const
{
    return m_weight;
}

QPushButton* CpackageFoodEditDlg::okButton() const
{
    return m_ok;
}

void CpackageFoodEditDlg::accept()
{
    const auto edited = editedFood(ss(m_name->text()), ss(m_weight->text()), m_meal ? ss(m_meal->currentText()) : "");
    if (!edited) {
        showRefusal(edited);
        m_weight->setFocus();
        m_weight->selectAll();
        return;
    }
    m_edited = *edited;
    QDialog::accept();
}

} // namespace pelinor
