#include "gui/admin/CYysAddDlg.h"

#include "core/admin/Roles.h"
#include "core/common/DecimalText.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelinor {

CYysAddDlg::CYysAddDlg(int roleId, const QString& name, QWidget* parent)
    : QDialog(parent)
    , m_roleId(roleId)
    , m_name(new QLineEdit(this))
{
    setObjectName(QStringLiteral("CYysAddDlg"));
    setWindowTitle(QStringLiteral("角色"));
    m_name->setObjectName(QStringLiteral("roleNameEdit"));
    m_name->setText(name);
    m_name->setMinimumWidth(220);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("角色名称："), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CYysAddDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CYysAddDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

std::optional<RoleEntry> CYysAddDlg::addRole(QWidget* parent)
{
    CYysAddDlg dialog(-1, {}, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return RoleEntry { dialog.m_roleId, ss(dialog.m_savedName) };
}

std::optional<QString> CYysAddDlg::renameRole(int roleId, const QString& name, QWidget* parent)
{
    CYysAddDlg dialog(roleId, name, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.m_savedName;
}

int CYysAddDlg::roleId() const
{
    return m_roleId;
}

QLineEdit* CYysAddDlg::nameEdit() const
{
    return m_name;
}

void CYysAddDlg::accept()
{
    const std::string name = ss(m_name->text());
    std::optional<Outcome<int>> outcome;
    if (m_roleId < 0) {
        outcome = runDatabaseWork([&] { return Roles::add(name); });
    } else {
        const auto renamed = runDatabaseWork([&] { return Roles::rename(m_roleId, name); });
        if (renamed) {
            outcome = renamed->ok() ? Outcome<int>(m_roleId) : Outcome<int>(renamed->refusal());
        }
    }
    if (!outcome) {
        return;
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        m_name->setFocus();
        return;
    }
    m_roleId = outcome->value();
    m_savedName = qs(trimmedText(name));
    QDialog::accept();
}

} // namespace pelinor
