#include "gui/planning/CAddTcmcDlg.h"

#include "gui/widgets/FormLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CAddTcmcDlg::CAddTcmcDlg(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
{
    setObjectName(QStringLiteral("CAddTcmcDlg"));
    setWindowTitle(QStringLiteral("套餐名称添加"));
    m_name->setObjectName(QStringLiteral("setMealNameEdit"));
    m_name->setMinimumWidth(220);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* field = new QHBoxLayout;
    field->addWidget(formLabel(QStringLiteral("套餐名称："), this));
    field->addWidget(m_name, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_name->setFocus();
}

QString CAddTcmcDlg::name() const
{
    return m_name->text();
}

} // namespace pelinor
