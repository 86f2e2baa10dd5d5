#pragma once

#include "core/health/Attendance.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

#include <vector>

class QComboBox;
class QDateEdit;

namespace pelinor {

class CListCtrlCl;

// Attendance: the counts per child of a class, over every date or the pickers' range, with the
// entry and detail dialogs and the printed sheet. The page remembers the scope its counts were
// built with; the detail dialog and the printout use the same.
class CKqglDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CKqglDlg(QWidget* parent = nullptr);

    // The classes read again and the counts over every date.
    void refresh() override;
    // The query button: the chosen class over the pickers' range.
    void query();
    void registerEvent();
    void showDetail();
    void print();

    // The scope of the counts shown.
    const DateScope& scope() const;
    const std::vector<AttendanceCount>& counts() const;
    QString className() const;

    CListCtrlCl* list() const;
    QComboBox* classCombo() const;
    QDateEdit* fromDate() const;
    QDateEdit* toDate() const;

private:
    void fill(const DateScope& scope);

    QComboBox* m_class;
    QDateEdit* m_from;
    QDateEdit* m_to;
    CListCtrlCl* m_list;
    DateScope m_scope;
    QString m_builtClass;
    std::vector<AttendanceCount> m_counts;
};

} // namespace pelinor
