#include "gui/admin/CYysglDlg.h"

#include "core/admin/Accounts.h"
#include "core/common/AppInfo.h"
#include "gui/admin/CYysCreatDlg.h"
#include "gui/session/Session.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelinor {

namespace {

enum Column
{
    UserColumn = 0,
    NameColumn,
    SavedColumn,
    TelephoneColumn,
    RoleColumn,
    StateColumn
};

} // namespace

CYysglDlg::CYysglDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CYysglDlg"));
    auto* create = makeActionButton(QStringLiteral(":/skin/sym-add.svg"), QStringLiteral("新建"), this);
    auto* edit = makeActionButton(QStringLiteral(":/skin/sym-edit.svg"), QStringLiteral("修改"), this);
    auto* remove = makeActionButton(QStringLiteral(":/skin/sym-delete.svg"), QStringLiteral("删除"), this);
    auto* toggle = makeActionButton(QStringLiteral(":/skin/sym-toggle.svg"), QStringLiteral("启用/停用"), this);
    create->setObjectName(QStringLiteral("createButton"));
    edit->setObjectName(QStringLiteral("editButton"));
    remove->setObjectName(QStringLiteral("deleteButton"));
    toggle->setObjectName(QStringLiteral("toggleButton"));
    connect(create, &QAbstractButton::clicked, this, &CYysglDlg::onCreate);
    connect(edit, &QAbstractButton::clicked, this, &CYysglDlg::onEdit);
    connect(remove, &QAbstractButton::clicked, this, &CYysglDlg::onDelete);
    connect(toggle, &QAbstractButton::clicked, this, &CYysglDlg::onToggleState);

    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setColumns({ QStringLiteral("登录帐号"), QStringLiteral("姓名"), QStringLiteral("注册时间"),
        QStringLiteral("联系电话"), QStringLiteral("角色名称"), QStringLiteral("状态") });
    m_list->setAlignmentString(QStringLiteral("111111"));
    m_list->setSkinnedRowHeight();

    auto* buttons = buttonRow({ create, edit, remove, toggle });
    buttons->setSpacing(8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    fill();
}

CListCtrlCl* CYysglDlg::list() const
{
    return m_list;
}

void CYysglDlg::fill()
{
    runDatabaseWork([this] {
        const auto rows = Accounts::list();
        m_list->clearRows();
        for (const AccountRow& row : rows) {
            m_list->appendRow({ qs(row.userName), qs(row.name), qs(row.savedOn), qs(row.telephone), qs(row.roleName),
                qs(row.state) });
        }
    });
}

QString CYysglDlg::selectedText(int column) const
{
    const int row = m_list->selectedRow();
    return row < 0 ? QString() : m_list->itemText(row, column);
}

void CYysglDlg::onCreate()
{
    if (CYysCreatDlg::createAccount(this)) {
        fill();
    }
}

void CYysglDlg::onEdit()
{
    if (m_list->selectedRow() < 0) {
        return;
    }
    if (selectedText(StateColumn) == QString::fromUtf8(Accounts::kDisabled)) {
        prompter().info(QStringLiteral("该用户已经停用！"), QString::fromUtf8(kApplicationTitle));
        return;
    }
    if (CYysCreatDlg::editAccount(this, selectedText(UserColumn))) {
        fill();
    }
}

void CYysglDlg::onDelete()
{
    if (m_list->selectedRow() < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗？"), QString::fromUtf8(kSystemPromptCaption))) {
        return;
    }
    const std::string user = ss(selectedText(UserColumn));
    const auto result = runDatabaseWork([&] { return Accounts::remove(user, Session::currentUser().userName); });
    if (!result) {
        return;
    }
    if (!result->ok()) {
        showRefusal(*result);
        return;
    }
    fill();
}

void CYysglDlg::onToggleState()
{
    if (m_list->selectedRow() < 0) {
        return;
    }
    const std::string user = ss(selectedText(UserColumn));
    const std::string state = ss(selectedText(StateColumn));
    const auto result
        = runDatabaseWork([&] { return Accounts::toggleState(user, state, Session::currentUser().userName); });
    if (!result) {
        return;
    }
    if (!result->ok()) {
        showRefusal(*result);
        return;
    }
    fill();
}

} // namespace pelinor
