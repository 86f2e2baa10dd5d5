#pragma once

#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QStackedWidget;

namespace pelinor {

class CTjChaKanDlg;
class CTjLoginDlg;
class CTjViewDlg;

// The examinations of the information area: the list, the entry form and the report page, one at
// a time. Opened from a hub it shows the list, refreshed.
class CHealthDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CHealthDlg(QWidget* parent = nullptr);

    void refresh() override;

    CTjViewDlg* listPage() const;
    CTjLoginDlg* formPage() const;
    CTjChaKanDlg* reportPage() const;
    QWidget* currentPage() const;

private:
    void showList();

    QStackedWidget* m_stack;
    CTjViewDlg* m_list;
    CTjLoginDlg* m_form;
    CTjChaKanDlg* m_report;
};

} // namespace pelinor
