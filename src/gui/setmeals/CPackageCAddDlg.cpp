#include "gui/setmeals/CPackageCAddDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/DecimalText.h"
#include "core/common/ItemList.h"
#include "core/records/Classes.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/Refusals.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

void setUpClassList(CListCtrlCl* list, const QString& objectName)
{
    list->setObjectName(objectName);
    list->setColumns({ QStringLiteral("班级名称") });
    list->setAlignmentString(QStringLiteral("1"));
    list->setSkinnedRowHeight();
    list->setMinimumWidth(150);
}

// Moves a row of one list to the top of the other (or to its end).
void moveRow(CListCtrlCl* from, int row, CListCtrlCl* to, bool toTop)
{
    const QString text = from->itemText(row, 0);
    from->removeRow(row);
    QStringList texts;
    for (int i = 0; i < to->rowCount(); ++i) {
        texts << to->itemText(i, 0);
    }
    if (toTop) {
        texts.prepend(text);
    } else {
        texts.append(text);
    }
    to->clearRows();
    for (const QString& each : texts) {
        to->appendRow({ each });
    }
}

} // namespace

CPackageCAddDlg::CPackageCAddDlg(QWidget* parent)
    : QDialog(parent)
    , m_name(new QLineEdit(this))
    , m_available(new CListCtrlCl(this))
    , m_chosen(new CListCtrlCl(this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(QStringLiteral("CPackageCAddDlg"));
    setWindowTitle(QStringLiteral("套餐类添加"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    setUpClassList(m_available, QStringLiteral("availableList"));
    setUpClassList(m_chosen, QStringLiteral("chosenList"));
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);
    auto* across = arrowButton(QStringLiteral("chooseOneButton"), QStringLiteral("right"), this);
    auto* allAcross = arrowButton(QStringLiteral("chooseAllButton"), QStringLiteral("right-all"), this);
    auto* back = arrowButton(QStringLiteral("returnOneButton"), QStringLiteral("left"), this);
    auto* allBack = arrowButton(QStringLiteral("returnAllButton"), QStringLiteral("left-all"), this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(formLabel(QStringLiteral("套餐名称："), this));
    nameRow->addWidget(m_name, 1);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch(1);
    for (auto* button : { across, allAcross, back, allBack }) {
        arrows->addWidget(button);
        arrows->addSpacing(6);
    }
    arrows->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_available, 1);
    lists->addLayout(arrows);
    lists->addWidget(m_chosen, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(new QLabel(QStringLiteral("套餐适合范围："), this));
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(460, 400);

    if (const auto classes = runDatabaseWork([] { return loadClassNames(); })) {
        for (const std::string& name : *classes) {
            m_available->appendRow({ qs(name) });
        }
    }

    connect(across, &QAbstractButton::clicked, this, &CPackageCAddDlg::onChooseClass);
    connect(allAcross, &QAbstractButton::clicked, this, &CPackageCAddDlg::onChooseAll);
    connect(back, &QAbstractButton::clicked, this, &CPackageCAddDlg::onReturnClass);
    connect(allBack, &QAbstractButton::clicked, this, &CPackageCAddDlg::onReturnAll);
    connect(m_ok, &QPushButton::clicked, this, &CPackageCAddDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string CPackageCAddDlg::name() const
{
    return m_acceptedName;
}

std::string CPackageCAddDlg::object() const
{
    return m_acceptedObject;
}

QLineEdit* CPackageCAddDlg::nameEdit() const
{
    return m_name;
}

CListCtrlCl* CPackageCAddDlg::availableList() const
{
    return m_available;
}

CListCtrlCl* CPackageCAddDlg::chosenList() const
{
    return m_chosen;
}

QPushButton* CPackageCAddDlg::okButton() const
{
    return m_ok;
}

void CPackageCAddDlg::onChooseClass()
{
    const int row = m_available->selectedRow();
    if (row >= 0) {
        moveRow(m_available, row, m_chosen, true);
    }
}

void CPackageCAddDlg::onChooseAll()
{
    while (m_available->rowCount() > 0) {
        moveRow(m_available, 0, m_chosen, true);
    }
}

void CPackageCAddDlg::onReturnClass()
{
    const int row = m_chosen->selectedRow();
    if (row >= 0) {
        moveRow(m_chosen, row, m_available, false);
    }
}

void CPackageCAddDlg::onReturnAll()
{
    while (m_chosen->rowCount() > 0) {
        moveRow(m_chosen, 0, m_available, false);
    }
}

void CPackageCAddDlg::accept()
{
    const std::string name = trimmedText(ss(m_name->text()));
    if (name.empty()) {
        showMessage(QStringLiteral("套餐名称不能为空！"), QString::fromUtf8(kSystemPromptCaption));
        m_name->setFocus();
        return;
    }
    std::vector<std::string> classes;
    for (int row = 0; row < m_chosen->rowCount(); ++row) {
        classes.push_back(ss(m_chosen->itemText(row, 0)));
    }
    m_acceptedName = name;
    m_acceptedObject = joinItems(classes);
    QDialog::accept();
}

} // namespace pelinor
