#pragma once

#include "core/admin/PermissionFlags.h"
#include "core/records/ArchiveRecord.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

#include <vector>

class QLineEdit;

namespace pelinor {

class CListCtrlCl;

// The archive list (page 0): every child's archive, a search by archive number and name, and the
// view, add, edit and delete actions, each guarded by the role's archive permissions (C02, C01,
// C03, C04).
class CYydaCjDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CYydaCjDlg(QWidget* parent = nullptr);

    // Lists every archive and reads the role's permissions again (flags are only ever added).
    void refresh() override;
    // Lists every archive.
    void reloadList();

    void viewArchive();
    void addArchive();
    void editArchive();
    void deleteArchive();
    void search();

    CListCtrlCl* archiveList() const;
    QLineEdit* archIdSearch() const;
    QLineEdit* nameSearch() const;
    PermissionFlags& permissions();

private:
    void showRows(const std::vector<ArchiveRecord>& archives);
    QString selectedArchId() const;

    PermissionFlags m_flags;
    CListCtrlCl* m_list;
    QLineEdit* m_archIdSearch;
    QLineEdit* m_nameSearch;
};

} // namespace pelinor
