#include "gui/health/CHealthDlg.h"

#include "gui/health/CTjChaKanDlg.h"
#include "gui/health/CTjLoginDlg.h"
#include "gui/health/CTjViewDlg.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace pelinor {

CHealthDlg::CHealthDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_stack(new QStackedWidget(this))
    , m_list(new CTjViewDlg)
    , m_form(new CTjLoginDlg)
    , m_report(new CTjChaKanDlg)
{
    setObjectName(QStringLiteral("CHealthDlg"));
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_form);
    m_stack->addWidget(m_report);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);

    connect(m_list, &CTjViewDlg::addRequested, this, [this](const QString& archId) {
        if (m_form->startNew(archId)) {
            m_stack->setCurrentWidget(m_form);
        }
    });
    connect(m_list, &CTjViewDlg::editRequested, this, [this](int id) {
        if (m_form->editExamination(id)) {
            m_stack->setCurrentWidget(m_form);
        }
    });
    connect(m_list, &CTjViewDlg::viewRequested, this, [this](int id) {
        if (m_report->showExamination(id)) {
            m_stack->setCurrentWidget(m_report);
        }
    });
    connect(m_form, &CTjLoginDlg::saved, this, [this] {
        m_list->reloadList();
        showList();
    });
    connect(m_form, &CTjLoginDlg::cancelled, this, &CHealthDlg::showList);
    connect(m_report, &CTjChaKanDlg::backRequested, this, &CHealthDlg::showList);

    m_list->refresh();
}

void CHealthDlg::refresh()
{
    m_list->refresh();
    showList();
}

void CHealthDlg::showList()
{
    m_stack->setCurrentWidget(m_list);
}

CTjViewDlg* CHealthDlg::listPage() const
{
    return m_list;
}

CTjLoginDlg* CHealthDlg::formPage() const
{
    return m_form;
}

CTjChaKanDlg* CHealthDlg::reportPage() const
{
    return m_report;
}

QWidget* CHealthDlg::currentPage() const
{
    return m_stack->currentWidget();
}

} // namespace pelinor
