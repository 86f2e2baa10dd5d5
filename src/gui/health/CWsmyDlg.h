#pragma once

#include "core/health/DateRange.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

class QComboBox;
class QDateEdit;

namespace pelinor {

class CListCtrlCl;

// Immunisation: the vaccinations of a class and vaccine, newest first, over all dates or the
// pickers' range; view, enter, edit and delete by the row's own number; the vaccine catalogue and
// the vaccines the class is due for.
class CWsmyDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CWsmyDlg(QWidget* parent = nullptr);

    // Classes and vaccines read again (keeping the chosen ones) and the list over all dates.
    void refresh() override;
    void query();
    void viewVaccination();
    void enterVaccination();
    void editVaccination();
    void deleteVaccination();
    void openCatalogue();
    void showDue();

    CListCtrlCl* list() const;
    QComboBox* classCombo() const;
    QComboBox* vaccineCombo() const;
    QDateEdit* fromDate() const;
    QDateEdit* toDate() const;

private:
    void fill(const DateScope& scope);
    bool loadVaccineCombo();

    QComboBox* m_class;
    QComboBox* m_vaccine;
    QDateEdit* m_from;
    QDateEdit* m_to;
    CListCtrlCl* m_list;
};

} // namespace pelinor
