#pragma once

#include "gui/shell/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QComboBox;

namespace pelinor {

class CListCtrlCl;
class CLumarooDlg;

// The members of one class with their main particulars; a button leads back to the class page.
class CBjPerSonDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CBjPerSonDlg(CLumarooDlg* mainWindow, QWidget* parent = nullptr);

    // Refills the classes and shows the children of the first one.
    void refresh() override;
    void showClass();
    void backToClasses();

    QComboBox* classCombo() const;
    CListCtrlCl* memberList() const;

private:
    CLumarooDlg* m_mainWindow;
    QComboBox* m_class;
    CListCtrlCl* m_members;
};

} // namespace pelinor
