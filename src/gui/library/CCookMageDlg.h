#pragma once

#include "gui/library/LibraryPageBase.h"

namespace pelinor {

// The dish page. The list always shows the dishes whose name followed by their category text
// contains the page's filter.
class CCookMageDlg : public LibraryPageBase
{
    Q_OBJECT

public:
    explicit CCookMageDlg(QWidget* parent = nullptr);

    CListCtrlCl* dishList() const;
    QString filter() const;

public slots:
    void onAddDish();
    void onEditDish();
    void onDeleteDish();
    void onSearch() override;
    void setFilter(const QString& filter);

protected:
    void reloadList() override;

private:
    QString m_filter;
};

} // namespace pelinor
