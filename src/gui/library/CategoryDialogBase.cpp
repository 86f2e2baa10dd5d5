#include "gui/library/CategoryDialogBase.h"

#include "gui/library/LibraryScreens.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CategoryDialogBase::CategoryDialogBase(const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_parent(new QComboBox(this))
    , m_name(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
    , m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setWindowTitle(title);
    m_parent->setObjectName(QStringLiteral("parentCombo"));
    m_name->setObjectName(QStringLiteral("categoryNameEdit"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_ok->setDefault(true);
    m_parent->setMinimumWidth(200);

    auto* fields = new QGridLayout;
    fields->addWidget(formLabel(QStringLiteral("上级类别："), this), 0, 0);
    fields->addWidget(m_parent, 0, 1);
    fields->addWidget(formLabel(QStringLiteral("分类名称："), this), 1, 0);
    fields->addWidget(m_name, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(m_ok, &QPushButton::clicked, this, &CategoryDialogBase::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* CategoryDialogBase::parentCombo() const
{
    return m_parent;
}

QLineEdit* CategoryDialogBase::nameEdit() const
{
    return m_name;
}

QPushButton* CategoryDialogBase::okButton() const
{
    return m_ok;
}

std::string CategoryDialogBase::chosenParentName() const
{
    return m_parent->currentIndex() < 0 ? std::string() : ss(m_parent->currentText());
}

void CategoryDialogBase::setClearsNameOnRefusal(bool clears)
{
    m_clearsNameOnRefusal = clears;
}

void CategoryDialogBase::accept()
{
    const auto outcome = runDatabaseWork([&] { return save(); });
    if (!outcome) {
        return;
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        if (m_clearsNameOnRefusal) {
            m_name->clear();
        }
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace pelinor
