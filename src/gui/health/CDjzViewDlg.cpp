#include "gui/health/CDjzViewDlg.h"

#include "core/common/CalendarDate.h"
#include "core/common/Clock.h"
#include "gui/health/HealthUi.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "reports/DueVaccinationReport.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

CDjzViewDlg::CDjzViewDlg(const QString& className, QWidget* parent)
    : QDialog(parent)
    , m_class(new QComboBox(this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CDjzViewDlg"));
    setWindowTitle(QStringLiteral("待接种"));
    m_class->setObjectName(QStringLiteral("classCombo"));
    m_class->setMinimumWidth(120);
    m_list->setObjectName(QStringLiteral("dueList"));
    m_list->setColumns({ QStringLiteral("档案号"), QStringLiteral("姓名"), QStringLiteral("性别"),
                           QStringLiteral("出生日期"), QStringLiteral("疫苗"), QStringLiteral("接种截止日期") },
        { 90, 80, 50, 100, 190, 0 });
    m_list->setAlignmentString(QStringLiteral("111101"));
    m_list->setSkinnedRowHeight();
    m_list->setMinimumSize(640, 360);

    auto* print = printButton(QStringLiteral("printButton"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("班级："), this));
    top->addWidget(m_class);
    top->addSpacing(12);
    top->addWidget(
        new QLabel(QStringLiteral("日期：%1").arg(programToday().toString(QStringLiteral("yyyy-MM-dd"))), this));
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(print);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    loadClassCombo(m_class);
    const int index = m_class->findText(className);
    if (index >= 0) {
        m_class->setCurrentIndex(index);
    }
    connect(m_class, &QComboBox::currentIndexChanged, this, &CDjzViewDlg::reload);
    connect(print, &QAbstractButton::clicked, this, &CDjzViewDlg::print);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

void CDjzViewDlg::reload()
{
    m_due.clear();
    m_list->clearRows();
    const DateTime now = programClock().today();
    const CalendarDate today { now.year, now.month, now.day };
    m_builtClass = m_class->currentText();
    m_builtDay = QString::fromStdString(today.text());
    const std::string className = ss(m_class->currentText());
    const auto due = runDatabaseWork([&] { return dueVaccinations(className, today); });
    if (!due) {
        return;
    }
    m_due = *due;
    for (const auto& d : m_due) {
        m_list->appendRow({ qs(d.archId), qs(d.name), qs(d.gender), qs(d.birth), qs(d.vaccine), qs(d.windowEnd) });
    }
}

void CDjzViewDlg::print()
{
    CPreParentDlg::preview(this, makeDueVaccinationReport(m_due, m_builtClass, m_builtDay));
}

const std::vector<DueVaccination>& CDjzViewDlg::due() const
{
    return m_due;
}

QString CDjzViewDlg::className() const
{
    return m_class->currentText();
}

CListCtrlCl* CDjzViewDlg::list() const
{
    return m_list;
}

QComboBox* CDjzViewDlg::classCombo() const
{
    return m_class;
}

} // namespace pelinor
