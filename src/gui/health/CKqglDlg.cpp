#include "gui/health/CKqglDlg.h"

#include "gui/health/CKqXxxsDlg.h"
#include "gui/health/CKqxzDlg.h"
#include "gui/health/HealthUi.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"
#include "reports/AttendanceReport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CKqglDlg::CKqglDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_class(new QComboBox(this))
    , m_from(healthDatePicker(QStringLiteral("fromDate"), this))
    , m_to(healthDatePicker(QStringLiteral("toDate"), this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CKqglDlg"));
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_class->setMinimumWidth(120);
    m_list->setObjectName(QStringLiteral("attendanceList"));
    QStringList titles { QStringLiteral("档案号"), QStringLiteral("姓名") };
    for (const auto kind : kAttendanceKinds) {
        titles << QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size()));
    }
    m_list->setColumns(titles, { 110, 100, 80, 80, 80, 80, 0 });
    m_list->setAlignmentString(QStringLiteral("1111111"));
    m_list->setSkinnedRowHeight();
    m_from->setDate(programToday().addDays(1 - programToday().day()));

    auto* find = actionButton(QStringLiteral("queryButton"), QStringLiteral("search"), QStringLiteral("查询"), this);
    auto* enter = actionButton(QStringLiteral("enterButton"), QStringLiteral("add"), QStringLiteral("登记"), this);
    auto* detail = actionButton(QStringLiteral("detailButton"), QStringLiteral("view"), QStringLiteral("详细"), this);
    auto* print = printButton(QStringLiteral("printButton"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("班级："), this));
    top->addWidget(m_class);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("时间："), this));
    top->addWidget(m_from);
    top->addWidget(new QLabel(QStringLiteral("到"), this));
    top->addWidget(m_to);
    top->addSpacing(8);
    top->addWidget(find);
    top->addStretch();
    auto* actions = buttonRow({ enter, detail, print });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(actions);

    connect(find, &QAbstractButton::clicked, this, &CKqglDlg::query);
    connect(enter, &QAbstractButton::clicked, this, &CKqglDlg::registerEvent);
    connect(detail, &QAbstractButton::clicked, this, &CKqglDlg::showDetail);
    connect(print, &QAbstractButton::clicked, this, &CKqglDlg::print);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CKqglDlg::showDetail);

    refresh();
}

void CKqglDlg::refresh()
{
    loadClassCombo(m_class);
    fill(std::nullopt);
}

void CKqglDlg::query()
{
    fill(pickedRange(m_from, m_to));
}

void CKqglDlg::fill(const DateScope& scope)
{
    m_scope = scope;
    m_builtClass = m_class->currentText();
    m_counts.clear();
    m_list->clearRows();
    const std::string className = ss(m_builtClass);
    const auto counts = runDatabaseWork([&] { return attendanceStatistics(className, scope); });
    if (!counts) {
        return;
    }
    m_counts = *counts;
    for (const auto& row : m_counts) {
        QStringList texts { qs(row.archId), qs(row.name) };
        for (const int count : row.counts) {
            texts << QString::number(count);
        }
        m_list->appendRow(texts);
    }
}

void CKqglDlg::registerEvent()
{
    CKqxzDlg dialog(this);
    dialog.exec();
    // Whatever the dialog did, the counts are built again over every date.
    fill(std::nullopt);
}

void CKqglDlg::showDetail()
{
    const int row = m_list->selectedRow();
    if (row < 0 || row >= static_cast<int>(m_counts.size())) {
        showMessage(QStringLiteral("请选择查看对象"));
        return;
    }
    const AttendanceCount& child = m_counts[static_cast<std::size_t>(row)];
    CKqXxxsDlg dialog(m_builtClass, qs(child.name), qs(child.archId), m_scope, this);
    dialog.exec();
    fill(std::nullopt);
}

void CKqglDlg::print()
{
    // The sheet states the class and the period the counts shown were built with.
    CPreParentDlg::preview(this, makeAttendanceReport(m_counts, m_builtClass, m_scope));
}

const DateScope& CKqglDlg::scope() const
{
    return m_scope;
}

const std::vector<AttendanceCount>& CKqglDlg::counts() const
{
    return m_counts;
}

QString CKqglDlg::className() const
{
    return m_builtClass;
}

CListCtrlCl* CKqglDlg::list() const
{
    return m_list;
}

QComboBox* CKqglDlg::classCombo() const
{
    return m_class;
}

QDateEdit* CKqglDlg::fromDate() const
{
    return m_from;
}

QDateEdit* CKqglDlg::toDate() const
{
    return m_to;
}

} // namespace pelinor
