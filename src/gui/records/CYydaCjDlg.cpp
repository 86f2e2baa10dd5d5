#include "gui/records/CYydaCjDlg.h"

#include "core/records/Archives.h"
#include "gui/navigation/Navigator.h"
#include "gui/records/CYydaAddDlg.h"
#include "gui/session/PermissionCheck.h"
#include "gui/session/Session.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelinor {

CYydaCjDlg::CYydaCjDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
    , m_archIdSearch(new QLineEdit(this))
    , m_nameSearch(new QLineEdit(this))
{
    m_list->setObjectName(QStringLiteral("archiveList"));
    m_list->setColumns({ QStringLiteral("档案号"), QStringLiteral("姓名"), QStringLiteral("性别"),
                           QStringLiteral("身高(cm)"), QStringLiteral("体重(kg)"), QStringLiteral("出生日期"),
                           QStringLiteral("班级"), QStringLiteral("入学日期") },
        { 100, 90, 56, 90, 90, 110, 110, 0 });
    m_list->setAlignmentString(QStringLiteral("11111111"));
    m_list->setSkinnedRowHeight();
    m_archIdSearch->setObjectName(QStringLiteral("archIdSearch"));
    m_nameSearch->setObjectName(QStringLiteral("nameSearch"));
    m_archIdSearch->setFixedWidth(120);
    m_nameSearch->setFixedWidth(120);

    auto* view = actionButton(QStringLiteral("viewButton"), QStringLiteral("view"), QStringLiteral("查看"), this);
    auto* add = actionButton(QStringLiteral("addButton"), QStringLiteral("add"), QStringLiteral("新建"), this);
    auto* edit = actionButton(QStringLiteral("editButton"), QStringLiteral("edit"), QStringLiteral("修改"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    auto* find = actionButton(QStringLiteral("searchButton"), QStringLiteral("search"), QStringLiteral("查询"), this);

    auto* actions = buttonRow({ view, add, edit, remove });
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("档  案  号："), this));
    searchRow->addWidget(m_archIdSearch);
    searchRow->addSpacing(12);
    searchRow->addWidget(new QLabel(QStringLiteral("姓        名："), this));
    searchRow->addWidget(m_nameSearch);
    searchRow->addSpacing(8);
    searchRow->addWidget(find);
    searchRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(actions);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);

    connect(view, &QAbstractButton::clicked, this, &CYydaCjDlg::viewArchive);
    connect(add, &QAbstractButton::clicked, this, &CYydaCjDlg::addArchive);
    connect(edit, &QAbstractButton::clicked, this, &CYydaCjDlg::editArchive);
    connect(remove, &QAbstractButton::clicked, this, &CYydaCjDlg::deleteArchive);
    connect(find, &QAbstractButton::clicked, this, &CYydaCjDlg::search);
    connect(m_archIdSearch, &QLineEdit::returnPressed, this, &CYydaCjDlg::search);
    connect(m_nameSearch, &QLineEdit::returnPressed, this, &CYydaCjDlg::search);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &CYydaCjDlg::viewArchive);

    refresh();
}

void CYydaCjDlg::refresh()
{
    // An unreadable account file leaves the buttons without permissions; the list may still load.
    runDatabaseWork([this] { Session::readRolePermissions(m_flags); });
    reloadList();
}

void CYydaCjDlg::reloadList()
{
    if (const auto archives = runDatabaseWork([] { return loadArchives(); })) {
        showRows(*archives);
    }
}

void CYydaCjDlg::showRows(const std::vector<ArchiveRecord>& archives)
{
    m_list->clearRows();
    for (const auto& a : archives) {
        m_list->appendRow({ qs(a.archId), qs(a.archName), qs(a.gender), qs(a.height), qs(a.weight), qs(a.birth),
            qs(a.className), qs(a.inTime) });
    }
}

QString CYydaCjDlg::selectedArchId() const
{
    const int row = m_list->selectedRow();
    return row < 0 ? QString() : m_list->itemText(row, 0);
}

void CYydaCjDlg::viewArchive()
{
    if (!checkPermission(m_flags, QStringLiteral("C02"))) {
        return;
    }
    if (m_list->selectedRow() < 0) {
        showMessage(QStringLiteral("请选择查看信息"), QStringLiteral("系统提示"));
        return;
    }
    navigator().openArchive(selectedArchId());
}

void CYydaCjDlg::addArchive()
{
    if (!checkPermission(m_flags, QStringLiteral("C01"))) {
        return;
    }
    auto* form = navigator().pageAs<CYydaAddDlg>(PageId::ArchiveEntry);
    if (form && form->startNew(true)) {
        navigator().showPage(PageId::ArchiveEntry);
    }
}

void CYydaCjDlg::editArchive()
{
    if (!checkPermission(m_flags, QStringLiteral("C03"))) {
        return;
    }
    if (m_list->selectedRow() < 0) {
        showMessage(QStringLiteral("请选择编辑信息"), QStringLiteral("系统提示"));
        return;
    }
    auto* form = navigator().pageAs<CYydaAddDlg>(PageId::ArchiveEntry);
    if (form && form->loadArchive(selectedArchId())) {
        navigator().showPage(PageId::ArchiveEntry);
    }
}

void CYydaCjDlg::deleteArchive()
{
    if (!checkPermission(m_flags, QStringLiteral("C04"))) {
        return;
    }
    const QString archId = selectedArchId();
    if (m_list->selectedRow() < 0) {
        return;
    }
    if (!prompter().confirm(QStringLiteral("确定要删除吗"), QStringLiteral("系统提示"))) {
        return;
    }
    runDatabaseWork([&] { pelinor::deleteArchive(ss(archId)); });
    reloadList();
}

void CYydaCjDlg::search()
{
    const auto archives
        = runDatabaseWork([&] { return searchArchives(ss(m_archIdSearch->text()), ss(m_nameSearch->text())); });
    if (archives) {
        showRows(*archives);
    }
}

CListCtrlCl* CYydaCjDlg::archiveList() const
{
    return m_list;
}

QLineEdit* CYydaCjDlg::archIdSearch() const
{
    return m_archIdSearch;
}

QLineEdit* CYydaCjDlg::nameSearch() const
{
    return m_nameSearch;
}

PermissionFlags& CYydaCjDlg::permissions()
{
    return m_flags;
}

} // namespace pelinor
