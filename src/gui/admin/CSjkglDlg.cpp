#include "gui/admin/CSjkglDlg.h"

#include "core/admin/Backups.h"
#include "core/common/AppInfo.h"
#include "gui/navigation/Navigator.h"
#include "gui/session/Session.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelinor {

namespace {

// The restore replaces every data file at once: a slip of the mouse must not undo a day's work.
constexpr const char* kRestoreQuestion
    = "还原将用所选备份替换当前的全部数据（帐号、角色与备份列表除外），备份之后所做的修改将会丢失。您确定要还原吗？";

// A wait cursor while the files are copied.
class BusyCursor
{
public:
    BusyCursor()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

CSjkglDlg::CSjkglDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CSjkglDlg"));
    auto* backup = actionButton(QStringLiteral("backupButton"), QStringLiteral("backup"), QStringLiteral("备份"), this);
    auto* restore
        = actionButton(QStringLiteral("restoreButton"), QStringLiteral("restore"), QStringLiteral("还原"), this);
    auto* remove = actionButton(QStringLiteral("deleteButton"), QStringLiteral("delete"), QStringLiteral("删除"), this);
    connect(backup, &QAbstractButton::clicked, this, &CSjkglDlg::onBackup);
    connect(restore, &QAbstractButton::clicked, this, &CSjkglDlg::onRestore);
    connect(remove, &QAbstractButton::clicked, this, &CSjkglDlg::onDelete);

    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setColumns(
        { QStringLiteral("编号"), QStringLiteral("备份者"), QStringLiteral("备份时间") }, { 90, 160, 0 });
    m_list->setAlignmentString(QStringLiteral("111"));
    m_list->setSkinnedRowHeight();

    auto* buttons = buttonRow({ backup, restore, remove });
    buttons->setSpacing(8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    fill();
}

CListCtrlCl* CSjkglDlg::list() const
{
    return m_list;
}

void CSjkglDlg::refresh()
{
    fill();
}

void CSjkglDlg::fill()
{
    const auto sets = runDatabaseWork([] { return Backups::list(); });
    m_list->clearRows();
    if (!sets) {
        return;
    }
    for (const BackupSet& set : *sets) {
        m_list->appendRow({ QString::number(set.id), qs(set.user), qs(Backups::shownStamp(set.stamp)) });
    }
}

std::optional<int> CSjkglDlg::selectedSet() const
{
    const int row = m_list->selectedRow();
    if (row < 0) {
        return std::nullopt;
    }
    return m_list->itemText(row, 0).toInt();
}

void CSjkglDlg::onBackup()
{
    const QString caption = qs(kSystemPromptCaption);
    if (!prompter().confirm(qs(Backups::kBackupQuestion), caption)) {
        return;
    }
    std::optional<Outcome<BackupSet>> made;
    {
        const BusyCursor busy;
        made = runDatabaseWork([] { return Backups::backup(Session::currentUser().userName); });
    }
    if (!made) {
        return;
    }
    if (!made->ok()) {
        prompter().warn(qs(made->message()), qs(made->caption()));
        return;
    }
    fill();
    prompter().warn(qs(Backups::kBackupDone), caption);
}

void CSjkglDlg::onRestore()
{
    const auto set = selectedSet();
    if (!set) {
        showMessage(qs(Backups::kNothingSelected));
        return;
    }
    if (!prompter().confirm(qs(kRestoreQuestion), qs(kSystemPromptCaption))) {
        return;
    }
    std::optional<Outcome<>> restored;
    {
        const BusyCursor busy;
        restored = runDatabaseWork([&] { return Backups::restore(*set); });
    }
    if (!restored) {
        return;
    }
    // Every page shows what the files hold now, also after a restore that stopped half-way.
    if (restored->ok() || restored->message() == Backups::kRestoreIncomplete) {
        navigator().refreshAllPages();
    }
    if (!restored->ok()) {
        showRefusal(*restored);
        return;
    }
    showMessage(qs(Backups::kRestoreDone));
}

void CSjkglDlg::onDelete()
{
    const auto set = selectedSet();
    if (!set) {
        showMessage(qs(Backups::kNothingSelected));
        return;
    }
    if (!prompter().confirm(qs(Backups::kDeleteQuestion), qs(kApplicationTitle))) {
        return;
    }
    const auto removed = runDatabaseWork([&] { return Backups::remove(*set); });
    if (!removed) {
        return;
    }
    if (!removed->ok()) {
        showRefusal(*removed);
    }
    fill();
}

} // namespace pelinor
