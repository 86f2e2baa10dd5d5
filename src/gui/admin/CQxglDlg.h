#pragma once

#include "gui/widgets/CSkinPage.h"

#include <QMap>
#include <QStringList>

class QCheckBox;

namespace pelinor {

class CListCtrlCl;

// The role page of the system settings: the roles with their numbers, and for the selected role
// its module permissions as nineteen check boxes in five groups. Ticks change nothing until
// saved; selecting another role discards them.
class CQxglDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CQxglDlg(QWidget* parent = nullptr);

    CListCtrlCl* list() const;
    // The check box of a permission code ("C01" ...); null for an unknown code.
    QCheckBox* permissionBox(const QString& code) const;
    // The codes of the boxes, in their order on the page.
    QStringList permissionCodes() const;

    void fill();
    // Loads the selected role's permissions into the boxes (all clear without a selection).
    void loadSelectedRole();
    void onAdd();
    void onEdit();
    void onDelete();
    void onSave();

private:
    int selectedRoleId() const;

    CListCtrlCl* m_list;
    QMap<QString, QCheckBox*> m_boxes;
    QStringList m_codes;
};

} // namespace pelinor
