#include "gui/admin/CQxglDlg.h"

#include "core/admin/PermissionFlags.h"
#include "core/admin/Roles.h"
#include "core/common/AppInfo.h"
#include "gui/admin/CYysAddDlg.h"
#include "gui/admin/CYysglDlg.h"
#include "gui/navigation/Navigator.h"
#include "gui/session/Session.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelinor {

namespace {

enum Column
{
    IdColumn = 0,
    NameColumn
};

} // namespace

CQxglDlg::CQxglDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CQxglDlg"));
    auto* add = actionButton(QStringLiteral("addRoleButton"), QStringLiteral("add"), QStringLiteral("添加角色"), this);
    auto* edit
        = actionButton(QStringLiteral("editRoleButton"), QStringLiteral("edit"), QStringLiteral("修改角色"), this);
    auto* remove
        = actionButton(QStringLiteral("deleteRoleButton"), QStringLiteral("delete"), QStringLiteral("删除角色"), this);
    auto* save = actionButton(QStringLiteral("saveButton"), QStringLiteral("save"), QStringLiteral("保存"), this);
    connect(add, &QAbstractButton::clicked, this, &CQxglDlg::onAdd);
    connect(edit, &QAbstractButton::clicked, this, &CQxglDlg::onEdit);
    connect(remove, &QAbstractButton::clicked, this, &CQxglDlg::onDelete);
    connect(save, &QAbstractButton::clicked, this, &CQxglDlg::onSave);

    m_list->setObjectName(QStringLiteral("roleList"));
    m_list->setColumns({ QStringLiteral("编号"), QStringLiteral("角色名称") }, { 70, 0 });
    m_list->setAlignmentString(QStringLiteral("11"));
    m_list->setSkinnedRowHeight();
    m_list->setMinimumWidth(240);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &CQxglDlg::loadSelectedRole);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CQxglDlg::loadSelectedRole);

    // One group box per group, its boxes in a row, in the order of the permission table.
    auto* groups = new QVBoxLayout;
    groups->setSpacing(10);
    QHBoxLayout* row = nullptr;
    QString group;
    for (const PermissionInfo& info : permissionTable()) {
        if (!row || group != QString::fromUtf8(info.group)) {
            group = QString::fromUtf8(info.group);
            auto* box = new QGroupBox(group, this);
            row = new QHBoxLayout(box);
            row->setSpacing(24);
            row->addStretch(1);
            groups->addWidget(box);
        }
        const QString code = QString::fromUtf8(info.code);
        auto* check = new QCheckBox(QString::fromUtf8(info.label), this);
        check->setObjectName(QStringLiteral("permission_") + code);
        row->insertWidget(row->count() - 1, check);
        m_boxes.insert(code, check);
        m_codes << code;
    }
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch(1);
    saveRow->addWidget(save);
    groups->addLayout(saveRow);
    groups->addStretch(1);

    auto* buttons = buttonRow({ add, edit, remove });
    buttons->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->addLayout(buttons);
    left->addWidget(m_list, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(16);
    layout->addLayout(left);
    layout->addLayout(groups, 1);
    fill();
}

CListCtrlCl* CQxglDlg::list() const
{
    return m_list;
}

QCheckBox* CQxglDlg::permissionBox(const QString& code) const
{
    return m_boxes.value(code, nullptr);
}

QStringList CQxglDlg::permissionCodes() const
{
    return m_codes;
}

void CQxglDlg::fill()
{
    const auto roles = runDatabaseWork([] { return Roles::list(); });
    m_list->clearRows();
    if (roles) {
        for (const RoleEntry& role : *roles) {
            m_list->appendRow({ QString::number(role.id), qs(role.name) });
        }
    }
    loadSelectedRole();
}

int CQxglDlg::selectedRoleId() const
{
    const int row = m_list->selectedRow();
    return row < 0 ? -1 : m_list->itemText(row, IdColumn).toInt();
}

void CQxglDlg::loadSelectedRole()
{
    // Every box is cleared first: a role that cannot be read shows no permission at all.
    PermissionFlags flags;
    if (m_list->selectedRow() >= 0) {
        const int id = selectedRoleId();
        if (const auto read = runDatabaseWork([id] { return Roles::permissionsOf(id); })) {
            flags = *read;
        }
    }
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        it.value()->setChecked(flags.has(ss(it.key())));
    }
}

void CQxglDlg::onAdd()
{
    const auto role = CYysAddDlg::addRole(this);
    if (!role) {
        return;
    }
    m_list->insertRow(0);
    m_list->setItemText(0, IdColumn, QString::number(role->id));
    m_list->setItemText(0, NameColumn, qs(role->name));
    m_list->setRowHeight(0, CListCtrlCl::kSkinnedRowHeight);
    m_list->selectRow(0);
    loadSelectedRole();
}

void CQxglDlg::onEdit()
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return;
    }
    const QString oldName = m_list->itemText(row, NameColumn);
    const auto name = CYysAddDlg::renameRole(selectedRoleId(), oldName, this);
    if (!name) {
        return;
    }
    m_list->setItemText(row, NameColumn, *name);
    // The account list shows each account's role name, which the rename changed.
    if (auto* accounts = navigator().pageAs<CYysglDlg>(PageId::Accounts)) {
        accounts->fill();
    }
    // The accounts of the role were renamed with it; the one logged in is one of them.
    if (qs(Session::currentUser().roleName) == oldName) {
        CurrentUser user = Session::currentUser();
        user.roleName = ss(*name);
        Session::setCurrentUser(user);
    }
}

void CQxglDlg::onDelete()
{
    if (m_list->selectedRow() < 0) {
        return;
    }
    if (!prompter().confirm(qs(Roles::kDeleteQuestion), qs(kSystemPromptCaption))) {
        return;
    }
    const int id = selectedRoleId();
    const auto removed = runDatabaseWork([id] { return Roles::remove(id); });
    if (!removed) {
        return;
    }
    if (!removed->ok()) {
        showRefusal(*removed);
        return;
    }
    m_list->removeRow(m_list->selectedRow());
    if (m_list->rowCount() > 0) {
        m_list->selectRow(0);
    }
    loadSelectedRole();
}

void CQxglDlg::onSave()
{
    if (m_list->selectedRow() < 0) {
        return;
    }
    PermissionFlags flags;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        if (it.value()->isChecked()) {
            flags.grant(ss(it.key()));
        }
    }
    const int id = selectedRoleId();
    const auto saved = runDatabaseWork([&] { return Roles::savePermissions(id, flags); });
    if (!saved) {
        return;
    }
    if (!saved->ok()) {
        showRefusal(*saved);
        return;
    }
    showMessage(qs(Roles::kPermissionsSaved));
}

} // namespace pelinor
