#include "gui/health/CMyymDlg.h"

#include "core/common/AppInfo.h"
#include "core/health/Vaccines.h"
#include "gui/health/CMyymAddDlg.h"
#include "gui/health/CMyymEditDlg.h"
#include "gui/health/CWsmyDlg.h"
#include "gui/health/HealthUi.h"
#include "gui/navigation/Navigator.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelinor {

CMyymDlg::CMyymDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CMyymDlg"));
    m_list->setObjectName(QStringLiteral("vaccineList"));
    m_list->setColumns({ QStringLiteral("疫苗名称"), QStringLiteral("接种起始时间(月龄)"),
                           QStringLiteral("接种终止时间(月龄)"), QStringLiteral("可预防疾病") },
        { 190, 140, 140, 0 });
    m_list->setAlignmentString(QStringLiteral("0110"));
    m_list->setSkinnedRowHeight();

    auto* add = actionButton(QStringLiteral("addButton"), QStringLiteral("add"), QStringLiteral("添加"), this);
    auto* edit = actionButton(QStringLiteral("editButton"), QStringLiteral("edit"), QStringLiteral("编辑"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    auto* back = actionButton(QStringLiteral("backButton"), QStringLiteral("back"), QStringLiteral("返回"), this);
    auto* top = buttonRow({ add, edit, remove });
    top->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);

    connect(add, &QAbstractButton::clicked, this, &CMyymDlg::addVaccine);
    connect(edit, &QAbstractButton::clicked, this, &CMyymDlg::editVaccine);
    connect(remove, &QAbstractButton::clicked, this, &CMyymDlg::deleteVaccine);
    connect(back, &QAbstractButton::clicked, this, &CMyymDlg::goBack);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CMyymDlg::editVaccine);

    refresh();
}

void CMyymDlg::refresh()
{
    m_list->clearRows();
    const auto vaccines = runDatabaseWork([] { return loadVaccines(); });
    if (!vaccines) {
        return;
    }
    for (const auto& v : *vaccines) {
        appendRecordRow(m_list, v.id, { qs(v.name), qs(v.startMonth), qs(v.endMonth), qs(v.diseases) });
    }
}

void CMyymDlg::addVaccine()
{
    CMyymAddDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        refresh();
    }
}

void CMyymDlg::editVaccine()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        return;
    }
    const auto vaccine = runDatabaseWork([&] { return loadVaccine(*id); });
    if (!vaccine || !*vaccine) {
        return;
    }
    CMyymEditDlg dialog(**vaccine, this);
    if (dialog.exec() == QDialog::Accepted) {
        refresh();
    }
}

void CMyymDlg::deleteVaccine()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    if (runDatabaseWork([&] { pelinor::deleteVaccine(*id); })) {
        refresh();
    }
}

void CMyymDlg::goBack()
{
    if (auto* immunisation = navigator().pageAs<CWsmyDlg>(PageId::Immunisation)) {
        immunisation->refresh();
    }
    navigator().showPage(PageId::Immunisation);
}

CListCtrlCl* CMyymDlg::list() const
{
    return m_list;
}

} // namespace pelinor
