#include "gui/health/CKqXxxsDlg.h"

#include "core/health/Attendance.h"
#include "gui/health/HealthUi.h"
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

QLineEdit* readOnlyLine(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

CKqXxxsDlg::CKqXxxsDlg(
    const QString& className, const QString& name, const QString& archId, const DateScope& scope, QWidget* parent)
    : QDialog(parent)
    , m_className(className)
    , m_archId(archId)
    , m_scope(scope)
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CKqXxxsDlg"));
    setWindowTitle(QStringLiteral("详细显示"));
    m_list->setObjectName(QStringLiteral("eventList"));
    m_list->setColumns({ QStringLiteral("时间"), QStringLiteral("考勤"), QStringLiteral("说明") }, { 110, 80, 0 });
    m_list->setAlignmentString(QStringLiteral("110"));
    m_list->setSkinnedRowHeight();
    m_list->setMinimumSize(480, 300);

    auto* fields = new QGridLayout;
    fields->addWidget(formLabel(QStringLiteral("班    级："), this), 0, 0);
    fields->addWidget(readOnlyLine(QStringLiteral("classEdit"), className, this), 0, 1);
    fields->addWidget(formLabel(QStringLiteral("姓    名："), this), 0, 2);
    fields->addWidget(readOnlyLine(QStringLiteral("nameEdit"), name, this), 0, 3);
    fields->addWidget(formLabel(QStringLiteral("档案号："), this), 1, 0);
    fields->addWidget(readOnlyLine(QStringLiteral("archIdEdit"), archId, this), 1, 1);
    fields->addWidget(new QLabel(qs(scopeText(scope)), this), 1, 2, 1, 2);

    auto* remove = new QPushButton(QStringLiteral("删除"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(remove);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(remove, &QPushButton::clicked, this, &CKqXxxsDlg::deleteEvent);
    connect(close, &QPushButton::clicked, this, &CKqXxxsDlg::accept);
    reload();
}

void CKqXxxsDlg::reload()
{
    m_list->clearRows();
    const auto events = runDatabaseWork([&] { return attendanceEvents(ss(m_className), ss(m_archId), m_scope); });
    if (!events) {
        return;
    }
    for (const auto& event : *events) {
        appendRecordRow(m_list, event.id, { qs(event.date), qs(event.kind), qs(event.remark) });
    }
}

void CKqXxxsDlg::deleteEvent()
{
    const auto id = selectedRecordId(m_list);
    if (!id) {
        showMessage(QStringLiteral("请选择删除对象！"));
        return;
    }
    if (runDatabaseWork([&] { deleteAttendanceEvent(*id); })) {
        reload();
    }
}

CListCtrlCl* CKqXxxsDlg::list() const
{
    return m_list;
}

} // namespace pelinor
