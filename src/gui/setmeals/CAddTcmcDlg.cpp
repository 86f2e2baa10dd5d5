#include "gui/setmeals/CAddTcmcDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/StringConversion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CAddTcmcDlg::CAddTcmcDlg(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(QStringLiteral("CAddTcmcDlg"));
    setWindowTitle(QStringLiteral("套餐名称添加"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMinimumWidth(220);
    m_ok->setDefault(true);
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);

    auto* field = new QHBoxLayout;
    field->addWidget(formLabel(QStringLiteral("套餐名称："), this));
    field->addWidget(m_name, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &CAddTcmcDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> CAddTcmcDlg::askName(QWidget* parent)
{
    CAddTcmcDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}

std::string CAddTcmcDlg::name() const
{
    return m_accepted;
}

QLineEdit* CAddTcmcDlg::nameEdit() const
{
    return m_name;
}

QPushButton* CAddTcmcDlg::okButton() const
{
    return m_ok;
}

void CAddTcmcDlg::accept()
{
    const std::string name = trimmedText(ss(m_name->text()));
    if (name.empty()) {
        showMessage(QStringLiteral("套餐名称不能为空！"), QString::fromUtf8(kSystemPromptCaption));
        m_name->setFocus();
        return;
    }
    m_accepted = name;
    QDialog::accept();
}

} // namespace pelinor
