#pragma once

#include "core/planning/PurchaseList.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/widgets/CSkinPage.h"

#include <functional>
#include <vector>

class QDateEdit;

namespace pelinor {

class CListCtrlCl;

// The purchase list (a page of the information hub): what the plans of a date range need, food by
// food in kilograms, two foods per line; printed through the preview or saved for spreadsheets.
class CCgqdDlg : public CSkinPage, public RefreshablePage
{
    Q_OBJECT

public:
    explicit CCgqdDlg(QWidget* parent = nullptr);

    // From the hub: this week (Monday to Sunday) and an empty list.
    void refresh() override;

    void query();
    void printList();
    void exportCsv();

    QDateEdit* fromEdit() const
    {
        return m_from;
    }
    QDateEdit* toEdit() const
    {
        return m_to;
    }
    CListCtrlCl* list() const
    {
        return m_list;
    }
    const std::vector<PurchaseItem>& items() const
    {
        return m_items;
    }

    // Where a CSV file goes: a save dialog with a suggested path; empty when cancelled. Tests put
    // another in; an empty function restores the dialog. Returns the one replaced.
    using CsvPathChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    static CsvPathChooser setCsvPathChooser(CsvPathChooser chooser);

private:
    void showItems();

    QDateEdit* m_from;
    QDateEdit* m_to;
    CListCtrlCl* m_list;
    std::vector<PurchaseItem> m_items;
    // The range the list was made for, which the printout and the file name give.
    QString m_listedFrom;
    QString m_listedTo;
};

} // namespace pelinor
