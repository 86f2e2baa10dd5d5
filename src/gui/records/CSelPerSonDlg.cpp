#include "gui/records/CSelPerSonDlg.h"

#include "core/records/ChildLookup.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace pelinor {

CSelPerSonDlg::CSelPerSonDlg(QWidget* parent)
    : QDialog(parent)
    , m_class(new QComboBox(this))
    , m_name(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("人员选择"));
    m_class->setObjectName(QStringLiteral("pickClassCombo"));
    m_name->setObjectName(QStringLiteral("pickNameCombo"));
    m_class->setMinimumWidth(200);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("班        级："), m_class);
    form->addRow(QStringLiteral("姓        名："), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSelPerSonDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelPerSonDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const auto classes = runDatabaseWork([] { return loadClassNames(); });
    fillCombo(m_class, classes.value_or(std::vector<std::string>()), -1);
    connect(m_class, &QComboBox::currentIndexChanged, this, &CSelPerSonDlg::chooseClass);
}

std::optional<ChildRef> CSelPerSonDlg::pickChild(QWidget* parent)
{
    CSelPerSonDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenChild();
}

ChildRef CSelPerSonDlg::chosenChild() const
{
    if (m_name->currentIndex() < 0) {
        return {};
    }
    return { ss(m_name->currentData().toString()), ss(m_name->currentText()) };
}

QComboBox* CSelPerSonDlg::classCombo() const
{
    return m_class;
}

QComboBox* CSelPerSonDlg::nameCombo() const
{
    return m_name;
}

void CSelPerSonDlg::chooseClass()
{
    m_name->clear();
    if (m_class->currentIndex() < 0) {
        return;
    }
    const auto children = runDatabaseWork([&] { return pickableChildren(ss(m_class->currentText())); });
    if (!children) {
        return;
    }
    for (const auto& child : *children) {
        m_name->addItem(qs(child.name), qs(child.archId));
    }
    m_name->setCurrentIndex(-1);
}

void CSelPerSonDlg::accept()
{
    const QString className = m_class->currentIndex() < 0 ? QString() : m_class->currentText();
    const auto outcome = checkChildPick(ss(className), chosenChild().archId);
    if (!outcome.ok()) {
        showRefusal(outcome);
        return;
    }
    QDialog::accept();
}

} // namespace pelinor
