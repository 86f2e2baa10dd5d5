#pragma once

#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class CListCtrlCl;

// The vaccine catalogue: add, edit, delete (by number) and back to the immunisation page.
class CMyymDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CMyymDlg(QWidget* parent = nullptr);

    void refresh() override;
    void addVaccine();
    void editVaccine();
    void deleteVaccine();
    void goBack();

    CListCtrlCl* list() const;

private:
    CListCtrlCl* m_list;
};

} // namespace pelinor
