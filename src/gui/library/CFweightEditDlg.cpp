#include "gui/library/CFweightEditDlg.h"

#include "gui/widgets/FormLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CFweightEditDlg::CFweightEditDlg(const QString& foodName, const QString& weight, QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(foodName, this))
    , m_weight(new QLineEdit(weight, this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
{
    setObjectName(QStringLiteral("CFweightEditDlg"));
    setWindowTitle(QStringLiteral("原料重量编辑"));
    m_name->setObjectName(QStringLiteral("foodNameEdit"));
    m_name->setReadOnly(true);
    m_weight->setObjectName(QStringLiteral("weightEdit"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* fields = new QGridLayout;
    fields->addWidget(formLabel(QStringLiteral("食物名称："), this), 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(formLabel(QStringLiteral("食物重量："), this), 1, 0);
    fields->addWidget(m_weight, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_weight->setFocus();
    m_weight->selectAll();
}

QString CFweightEditDlg::weight() const
{
    return m_weight->text();
}

QLineEdit* CFweightEditDlg::weightEdit() const
{
    return m_weight;
}

QPushButton* CFweightEditDlg::okButton() const
{
    return m_ok;
}

std::optional<QString> CFweightEditDlg::editWeight(QWidget* parent, const QString& foodName, const QString& weight)
{
    CFweightEditDlg dialog(foodName, weight, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.weight();
}

} // namespace pelinor
