#include "gui/planning/CYypcDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/NumberFormat.h"
#include "core/planning/PlanRecords.h"
#include "gui/navigation/Navigator.h"
#include "gui/session/PermissionCheck.h"
#include "gui/session/Session.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelinor {

CYypcDlg::CYypcDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
    , m_search(new QLineEdit(this))
{
    setObjectName(QStringLiteral("CYypcDlg"));
    m_list->setObjectName(QStringLiteral("planList"));
    m_list->setColumns({ QStringLiteral("配餐号"), QStringLiteral("配餐名称"), QStringLiteral("配餐对象"),
                           QStringLiteral("周期"), QStringLiteral("营养师"), QStringLiteral("对应时间") },
        { 70, 200, 220, 70, 100, 0 });
    m_list->setAlignmentString(QStringLiteral("100111"));
    m_list->setSkinnedRowHeight();
    m_search->setObjectName(QStringLiteral("subjectSearchEdit"));
    m_search->setMaximumWidth(260);

    auto* add = actionButton(QStringLiteral("newPlanButton"), QStringLiteral("add"), QStringLiteral("新建"), this);
    auto* view = actionButton(QStringLiteral("viewPlanButton"), QStringLiteral("view"), QStringLiteral("查看"), this);
    auto* modify
        = actionButton(QStringLiteral("modifyPlanButton"), QStringLiteral("edit"), QStringLiteral("修改"), this);
    auto* remove
        = actionButton(QStringLiteral("deletePlanButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    auto* find
        = actionButton(QStringLiteral("searchPlanButton"), QStringLiteral("search"), QStringLiteral("查询"), this);

    auto* top = buttonRow({ add, view, modify, remove });
    top->addWidget(new QLabel(QStringLiteral("配餐对象："), this));
    top->addWidget(m_search, 1);
    top->addWidget(find);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);

    connect(add, &QAbstractButton::clicked, this, &CYypcDlg::newPlan);
    connect(view, &QAbstractButton::clicked, this, &CYypcDlg::viewPlan);
    connect(modify, &QAbstractButton::clicked, this, &CYypcDlg::modifyPlan);
    connect(remove, &QAbstractButton::clicked, this, &CYypcDlg::DeletePlan);
    connect(find, &QAbstractButton::clicked, this, &CYypcDlg::search);
    connect(m_search, &QLineEdit::returnPressed, this, &CYypcDlg::search);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CYypcDlg::modifyPlan);

    refresh();
}

void CYypcDlg::refresh()
{
    // An unreadable account file leaves the buttons without permissions; the list may still load.
    runDatabaseWork([this] { Session::readRolePermissions(m_flags); });
    m_search->clear();
    RefreshPlanList();
}

void CYypcDlg::RefreshPlanList(const QString& subjectFilter)
{
    m_list->clearRows();
    const auto plans = runDatabaseWork([&] { return loadPlanList(ss(subjectFilter)); });
    for (const PlanRecord& plan : plans.value_or(std::vector<PlanRecord> {})) {
        m_list->appendRow({ qs(formatInt(plan.id)), qs(plan.name), qs(plan.subject), qs(plan.cycle), qs(plan.dietitian),
            qs(plan.date) });
    }
}

int CYypcDlg::selectedPlan() const
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return -1;
    }
    bool number = false;
    const int plan = m_list->itemText(row, 0).toInt(&number);
    return number ? plan : -1;
}

void CYypcDlg::newPlan()
{
    if (checkPermission(m_flags, QStringLiteral("C11"))) {
        navigator().openPlanSetup();
    }
}

void CYypcDlg::viewPlan()
{
    if (!checkPermission(m_flags, QStringLiteral("C12"))) {
        return;
    }
    const int plan = selectedPlan();
    if (plan >= 0) {
        navigator().openMenuView(plan);
    }
}

void CYypcDlg::modifyPlan()
{
    if (!checkPermission(m_flags, QStringLiteral("C13"))) {
        return;
    }
    const int plan = selectedPlan();
    if (plan >= 0) {
        navigator().openPlan(plan);
    }
}

void CYypcDlg::search()
{
    RefreshPlanList(m_search->text());
}

void CYypcDlg::DeletePlan()
{
    if (!checkPermission(m_flags, QStringLiteral("C14"))) {
        return;
    }
    const int plan = selectedPlan();
    if (plan < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    if (const auto deleted = runDatabaseWork([plan] { return deletePlan(plan); })) {
        showRefusal(*deleted);
    }
    m_search->clear();
    RefreshPlanList();
}

} // namespace pelinor
