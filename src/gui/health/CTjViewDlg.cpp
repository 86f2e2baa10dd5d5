#include "gui/health/CTjViewDlg.h"

#include "core/health/Examinations.h"
#include "gui/health/HealthUi.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CTjViewDlg::CTjViewDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_class(new QComboBox(this))
    , m_from(healthDatePicker(QStringLiteral("fromDate"), this))
    , m_to(healthDatePicker(QStringLiteral("toDate"), this))
    , m_list(new CListCtrlCl(this))
{
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_class->setMinimumWidth(120);
    m_list->setObjectName(QStringLiteral("examinationList"));
    m_list->setColumns({ QStringLiteral("档案号"), QStringLiteral("姓名"), QStringLiteral("体检日期"),
                           QStringLiteral("身高(cm)"), QStringLiteral("体重(kg)"), QStringLiteral("性别"),
                           QStringLiteral("左视力"), QStringLiteral("右视力"), QStringLiteral("沙眼") },
        { 100, 90, 100, 80, 80, 56, 70, 70, 0 });
    m_list->setAlignmentString(QStringLiteral("111111111"));
    m_list->setSkinnedRowHeight();

    auto* find = actionButton(QStringLiteral("queryButton"), QStringLiteral("search"), QStringLiteral("查询"), this);
    auto* add = actionButton(QStringLiteral("addButton"), QStringLiteral("add"), QStringLiteral("登记"), this);
    auto* view = actionButton(QStringLiteral("viewButton"), QStringLiteral("view"), QStringLiteral("查看"), this);
    auto* edit = actionButton(QStringLiteral("editButton"), QStringLiteral("edit"), QStringLiteral("编辑"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("班    级："), this));
    top->addWidget(m_class);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("体检时间："), this));
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("到"), this));
    top->addWidget(m_to);
    top->addSpacing(8);
    top->addWidget(find);
    top->addStretch();
    auto* actions = buttonRow({ add, view, edit, remove });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(actions);

    connect(find, &QAbstractButton::clicked, this, &CTjViewDlg::query);
    connect(add, &QAbstractButton::clicked, this, &CTjViewDlg::addExamination);
    connect(view, &QAbstractButton::clicked, this, &CTjViewDlg::viewExamination);
    connect(edit, &QAbstractButton::clicked, this, &CTjViewDlg::editExamination);
    connect(remove, &QAbstractButton::clicked, this, &CTjViewDlg::deleteExamination);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CTjViewDlg::viewExamination);
}

void CTjViewDlg::refresh()
{
    const QDate today = programToday();
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to->setDate(today);
    loadClassCombo(m_class);
    fill(std::nullopt);
}

void CTjViewDlg::reloadList()
{
    fill(m_scope);
}

void CTjViewDlg::query()
{
    fill(pickedRange(m_from, m_to));
}

void CTjViewDlg::fill(const DateScope& scope)
{
    m_scope = scope;
    m_list->clearRows();
    const std::string className = ss(m_class->currentText());
    const auto rows = runDatabaseWork([&] { return listExaminations(className, scope); });
    if (!rows) {
        return;
    }
    for (const auto& row : *rows) {
        appendRecordRow(m_list, row.id,
            { qs(row.archId), qs(row.name), qs(row.date), qs(row.height), qs(row.weight), qs(row.gender),
                qs(row.leftVision), qs(row.rightVision), qs(row.trachoma) });
    }
}

void CTjViewDlg::addExamination()
{
    if (const auto child = CSelPerSonDlg::pickChild(this)) {
        emit addRequested(qs(child->archId));
    }
}

void CTjViewDlg::viewExamination()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择查看对象"));
        return;
    }
    emit viewRequested(*id);
}

void CTjViewDlg::editExamination()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择编辑对象"));
        return;
    }
    emit editRequested(*id);
}

void CTjViewDlg::deleteExamination()
{
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kDeleteCaption))) {
        return;
    }
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择删除对象"));
        return;
    }
    if (runDatabaseWork([&] { pelinor::deleteExamination(*id); })) {
        reloadList();
    }
}

CListCtrlCl* CTjViewDlg::list() const
{
    return m_list;
}

QComboBox* CTjViewDlg::classCombo() const
{
    return m_class;
}

QDateEdit* CTjViewDlg::fromDate() const
{
    return m_from;
}

QDateEdit* CTjViewDlg::toDate() const
{
    return m_to;
}

} // namespace pelinor
