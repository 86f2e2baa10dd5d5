#include "gui/health/CTjLoginDlg.h"

#include "core/health/Examinations.h"
#include "gui/health/ExaminationForm.h"
#include "gui/health/HealthUi.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pelinor {

CTjLoginDlg::CTjLoginDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_form(new ExaminationForm(true))
{
    setObjectName(QStringLiteral("CTjLoginDlg"));
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_form);
    m_form->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);

    auto* save = actionButton(QStringLiteral("saveButton"), QStringLiteral("save"), QStringLiteral("保存"), this);
    auto* cancel = actionButton(QStringLiteral("cancelButton"), QStringLiteral("cancel"), QStringLiteral("取消"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addSpacing(24);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(save, &QAbstractButton::clicked, this, &CTjLoginDlg::save);
    connect(cancel, &QAbstractButton::clicked, this, &CTjLoginDlg::cancel);
}

bool CTjLoginDlg::startNew(const QString& archId)
{
    const auto examination = runDatabaseWork([&] { return newExamination(ss(archId)); });
    if (!examination || !*examination) {
        return false;
    }
    m_form->showExamination(**examination);
    return true;
}

bool CTjLoginDlg::editExamination(int id)
{
    const auto examination = runDatabaseWork([&] { return loadExamination(id); });
    if (!examination || !*examination) {
        return false;
    }
    m_form->showExamination(**examination);
    return true;
}

void CTjLoginDlg::save()
{
    const Examination examination = m_form->examination();
    const auto outcome = runDatabaseWork([&] { return saveExamination(examination); });
    if (!outcome) {
        return; // the database failed: everything typed stays
    }
    if (!outcome->ok()) {
        showRefusal(*outcome);
        return;
    }
    m_form->clear();
    emit saved();
}

void CTjLoginDlg::cancel()
{
    m_form->clear();
    emit cancelled();
}

ExaminationForm* CTjLoginDlg::form() const
{
    return m_form;
}

} // namespace pelinor
