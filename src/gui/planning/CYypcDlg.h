#pragma once

#include "core/admin/PermissionFlags.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QLineEdit;

namespace pelinor {

class CListCtrlCl;

// The plan list page: every saved plan, searched by subject; new, view, modify and delete, each
// behind its permission (C11 … C14).
class CYypcDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CYypcDlg(QWidget* parent = nullptr);

    // The list again, with the search text (empty: every plan).
    void RefreshPlanList(const QString& subjectFilter = {});
    // The navigation bar and the plan pages coming back: permissions read again, every plan listed.
    void refresh() override;

    CListCtrlCl* planList() const
    {
        return m_list;
    }
    QLineEdit* searchEdit() const
    {
        return m_search;
    }

public slots:
    void newPlan();
    void viewPlan();
    void modifyPlan();
    void DeletePlan();
    void search();

private:
    // The plan number of the selected line, or -1.
    int selectedPlan() const;

    PermissionFlags m_flags;
    CListCtrlCl* m_list;
    QLineEdit* m_search;
};

} // namespace pelinor
