#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// The account list page of the system-settings hub: create, edit, delete, enable/disable.
class CYysglDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYysglDlg(QWidget* parent = nullptr);

    CListCtrlCl* list() const;

    void fill();
    void onCreate();
    void onEdit();
    void onDelete();
    void onToggleState();

private:
    QString selectedText(int column) const;

    CListCtrlCl* m_list;
};

} // namespace pelinor
