#pragma once

#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

#include <optional>

namespace pelinor {

class CListCtrlCl;

// The backup page of the system settings: the backup sets, newest first, with backup, restore
// and delete.
class CSjkglDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CSjkglDlg(QWidget* parent = nullptr);

    CListCtrlCl* list() const;

    // The list again (a nightly job may have made a set while the program ran).
    void refresh() override;
    void fill();
    void onBackup();
    void onRestore();
    void onDelete();

private:
    // The number of the selected set; nothing without a selection.
    std::optional<int> selectedSet() const;

    CListCtrlCl* m_list;
};

} // namespace pelinor
