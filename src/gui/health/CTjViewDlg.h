#pragma once

#include "core/health/DateRange.h"
#include "gui/widgets/CSkinPage.h"

class QComboBox;
class QDateEdit;

namespace pelinor {

class CListCtrlCl;

// The examination list of the health area: the examinations of a class's children, over all dates
// or the pickers' range; add, view, edit and delete. Every row carries its examination's number,
// which view, edit and delete go by.
class CTjViewDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CTjViewDlg(QWidget* parent = nullptr);

    // As the page opens: the classes read again, the range from the first of this month to today,
    // and every examination of the chosen class.
    void refresh();
    // The list again over the scope it was last built with.
    void reloadList();
    // The query button: the chosen class over the pickers' range.
    void query();

    CListCtrlCl* list() const;
    QComboBox* classCombo() const;
    QDateEdit* fromDate() const;
    QDateEdit* toDate() const;

signals:
    void addRequested(const QString& archId);
    void viewRequested(int id);
    void editRequested(int id);

private:
    void fill(const DateScope& scope);
    void addExamination();
    void viewExamination();
    void editExamination();
    void deleteExamination();

    QComboBox* m_class;
    QDateEdit* m_from;
    QDateEdit* m_to;
    CListCtrlCl* m_list;
    DateScope m_scope;
};

} // namespace pelinor
