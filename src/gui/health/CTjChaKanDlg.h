#pragma once

#include "core/health/Examination.h"
#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class ExaminationForm;

// The report page of the health area: one examination read-only, printed as the one-page
// "健康体检报告".
class CTjChaKanDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CTjChaKanDlg(QWidget* parent = nullptr);

    // Shows the stored examination with this number; false when it is gone.
    bool showExamination(int id);
    const Examination& examination() const;
    void print();

    ExaminationForm* form() const;

signals:
    void backRequested();

private:
    ExaminationForm* m_form;
    Examination m_examination;
};

} // namespace pelinor
