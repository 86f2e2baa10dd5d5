#include "gui/health/CTjChaKanDlg.h"

#include "core/health/Examinations.h"
#include "gui/health/ExaminationForm.h"
#include "gui/health/HealthUi.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/DatabaseError.h"
#include "reports/HealthExaminationReport.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelinor {

CTjChaKanDlg::CTjChaKanDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_form(new ExaminationForm(false))
{
    setObjectName(QStringLiteral("CTjChaKanDlg"));
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_form);
    scroll->viewport()->setAutoFillBackground(false);

    auto* back = actionButton(QStringLiteral("backButton"), QStringLiteral("back"), QStringLiteral("返回"), this);
    auto* print = printButton(QStringLiteral("printButton"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addSpacing(24);
    buttons->addWidget(print);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(back, &QAbstractButton::clicked, this, &CTjChaKanDlg::backRequested);
    connect(print, &QAbstractButton::clicked, this, &CTjChaKanDlg::print);
}

bool CTjChaKanDlg::showExamination(int id)
{
    const auto examination = runDatabaseWork([&] { return loadExamination(id); });
    if (!examination || !*examination) {
        return false;
    }
    m_examination = **examination;
    m_form->showExamination(m_examination);
    return true;
}

const Examination& CTjChaKanDlg::examination() const
{
    return m_examination;
}

void CTjChaKanDlg::print()
{
    if (m_examination.id < 0) {
        return;
    }
    CPreParentDlg::preview(this, makeHealthExaminationReport(m_examination));
}

ExaminationForm* CTjChaKanDlg::form() const
{
    return m_form;
}

} // namespace pelinor
