#include "gui/setmeals/CYytcDlg.h"

#include "core/setmeals/SetMeals.h"
#include "gui/setmeals/SetMealWidgets.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CYytcDlg::CYytcDlg(QWidget* parent)
    : QDialog(parent)
    , m_list(new CListCtrlCl(this))
    , m_ok(textButton(QStringLiteral("确定"), QStringLiteral("okButton"), this))
{
    setObjectName(QStringLiteral("CYytcDlg"));
    setWindowTitle(QStringLiteral("已有套餐"));
    m_list->setObjectName(QStringLiteral("setMealList"));
    m_list->setColumns(
        { QStringLiteral("套餐编号"), QStringLiteral("套餐名称"), QStringLiteral("日期") }, { 70, 180, 0 });
    m_list->setAlignmentString(QStringLiteral("101"));
    m_list->setSkinnedRowHeight();
    auto* cancel = textButton(QStringLiteral("取消"), QStringLiteral("cancelButton"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(420, 360);

    if (const auto heads = runDatabaseWork([] { return listSetMeals(); })) {
        for (const SetMealHead& head : *heads) {
            m_list->appendRow({ QString::number(head.id), qs(head.title), qs(head.date) });
        }
    }
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CYytcDlg::accept);
    connect(m_ok, &QPushButton::clicked, this, &CYytcDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> CYytcDlg::pick(QWidget* parent)
{
    CYytcDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.picked();
}

std::optional<int> CYytcDlg::picked() const
{
    return m_picked;
}

CListCtrlCl* CYytcDlg::setMealList() const
{
    return m_list;
}

QPushButton* CYytcDlg::okButton() const
{
    return m_ok;
}

void CYytcDlg::accept()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    m_picked = m_list->itemText(row, 0).toInt();
    QDialog::accept();
}

} // namespace pelinor
