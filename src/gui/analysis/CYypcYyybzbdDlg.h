#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class CListCtrlCl;
struct StandardComparison;

// Tab "与营养标准比对": the subject's reference of 20 nutrients above, the day's amounts below,
// each amount red above 110 % and blue below 90 % of its reference.
class CYypcYyybzbdDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcYyybzbdDlg(QWidget* parent = nullptr);

    void load(const StandardComparison& comparison);
    CListCtrlCl* referenceList() const
    {
        return m_reference;
    }
    CListCtrlCl* actualList() const
    {
        return m_actual;
    }

private:
    CListCtrlCl* m_reference;
    CListCtrlCl* m_actual;
};

} // namespace pelinor
