#pragma once

#include "core/admin/Accounts.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace pelinor {

// "角色": the name of a new role, or a new name for an existing one. OK runs the change through
// the core; a refusal is shown and the dialog stays open.
class CYysAddDlg : public QDialog
{
    Q_OBJECT

public:
    // A new role for the number -1, otherwise the role of that number under its current name.
    explicit CYysAddDlg(int roleId = -1, const QString& name = {}, QWidget* parent = nullptr);

    // Runs the dialog; the role added (its number and name), nothing when cancelled.
    static std::optional<RoleEntry> addRole(QWidget* parent);
    // Runs the dialog for a role; its new name, nothing when cancelled.
    static std::optional<QString> renameRole(int roleId, const QString& name, QWidget* parent);

    int roleId() const;
    QLineEdit* nameEdit() const;

public slots:
    void accept() override;

private:
    int m_roleId;
    QString m_savedName;
    QLineEdit* m_name;
};

} // namespace pelinor
