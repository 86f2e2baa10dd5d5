#include "gui/records/CBjEditDlg.h"

#include "core/records/Classes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelinor {

CBjEditDlg::CBjEditDlg(const QString& currentName, QWidget* parent)
    : QDialog(parent)
    , m_currentName(currentName)
    , m_name(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("班级编辑"));
    m_name->setObjectName(QStringLiteral("classNameEdit"));
    m_name->setText(currentName);
    m_name->setMinimumWidth(220);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("班        级："), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBjEditDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBjEditDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<QString> CBjEditDlg::addClass(QWidget* parent)
{
    CBjEditDlg dialog({}, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.m_name->text().trimmed();
}

std::optional<QString> CBjEditDlg::renameClass(const QString& currentName, QWidget* parent)
{
    CBjEditDlg dialog(currentName, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.m_name->text().trimmed();
}

bool CBjEditDlg::isRenaming() const
{
    return !m_currentName.isEmpty();
}

QLineEdit* CBjEditDlg::nameEdit() const
{
    return m_name;
}

void CBjEditDlg::accept()
{
    const auto outcome = runDatabaseWork([&] {
        return isRenaming() ? pelinor::renameClass(ss(m_currentName), ss(m_name->text()))
                            : pelinor::addClass(ss(m_name->text()));
    });
    if (!outcome) {
        return;
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace pelinor
