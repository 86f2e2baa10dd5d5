#pragma once

#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QComboBox;

namespace pelinor {

class CListCtrlCl;

// The members of one class with their main particulars; a button leads back to the class page.
class CBjPerSonDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CBjPerSonDlg(QWidget* parent = nullptr);

    // Refills the classes and shows the children of the first one.
    void refresh() override;
    void showClass();
    void backToClasses();

    QComboBox* classCombo() const;
    CListCtrlCl* memberList() const;

private:
    QComboBox* m_class;
    CListCtrlCl* m_members;
};

} // namespace pelinor
