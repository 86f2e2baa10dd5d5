#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class ExaminationForm;

// The examination form of the health area: a new examination of a child, or a stored one to
// change. Save checks and stores it; a refusal or a database failure keeps what was typed.
class CTjLoginDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CTjLoginDlg(QWidget* parent = nullptr);

    // An empty form for the child, dated today; false when the child has no archive.
    bool startNew(const QString& archId);
    // The stored examination with this number; false when it is gone.
    bool editExamination(int id);
    void save();
    void cancel();

    ExaminationForm* form() const;

signals:
    void saved();
    void cancelled();

private:
    ExaminationForm* m_form;
};

} // namespace pelinor
