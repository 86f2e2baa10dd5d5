#pragma once

#include "core/health/DateRange.h"

#include <QDialog>

namespace pelinor {

class CListCtrlCl;

// "详细显示": the attendance events of one child over the scope of the page's counts, with delete.
class CKqXxxsDlg : public QDialog
{
    Q_OBJECT

public:
    CKqXxxsDlg(
        const QString& className, const QString& name, const QString& archId, const DateScope& scope, QWidget* parent);

    void reload();
    void deleteEvent();

    CListCtrlCl* list() const;

private:
    QString m_className;
    QString m_archId;
    DateScope m_scope;
    CListCtrlCl* m_list;
};

} // namespace pelinor
