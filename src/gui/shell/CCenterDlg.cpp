#include "gui/shell/CCenterDlg.h"

#include "gui/navigation/PageRegistry.h"
#include "gui/session/PermissionCheck.h"
#include "gui/session/Session.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/SkinFonts.h"

#include <QGridLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QSize kTileSize(150, 118);
constexpr int kColumns = 4;

} // namespace

const QList<CCenterDlg::Entry>& CCenterDlg::entries()
{
    static const QList<Entry> list = [] {
        QList<Entry> tiles;
        for (const PageRegistration* row : PageRegistry::homeTiles()) {
            tiles.append({ row->className + QStringLiteral("Tile"), row->title, row->picture, row->permission,
                Action::OpenPage, row->id, refreshes(row->refresh, Refresh::FromHome) });
        }
        tiles.append({ QStringLiteral("helpTile"), QStringLiteral("帮助"), QStringLiteral(":/skin/sym-help.svg"),
            QString(), Action::OpenHelp, PageId::CenterHub, false });
        return tiles;
    }();
    return list;
}

CCenterDlg::CCenterDlg(QWidget* parent)
    : CSkinPage(parent)
{
    setObjectName(QStringLiteral("CCenterDlg"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(26);
    grid->setVerticalSpacing(22);
    for (int index = 0; index < entries().size(); ++index) {
        const Entry& entry = entries().at(index);
        auto* button
            = new CPictureButton(tileIcon(TileStyle::Hub, entry.symbol, entry.caption, kTileSize), kTileSize, this);
        button->setObjectName(entry.name);
        button->setToolTip(entry.caption);
        const int row = index / kColumns + 1;
        const int column = index % kColumns + 1;
        connect(button, &QAbstractButton::clicked, this, [this, row, column] { press(row, column); });
        grid->addWidget(button, row - 1, column - 1);
        m_buttons.append(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addLayout(grid);
    row->addStretch(1);
    layout->addSpacing(30);
    layout->addLayout(row);
    layout->addStretch(3);
    readPermissions();
}

CPictureButton* CCenterDlg::button(int row, int column) const
{
    return m_buttons.value((row - 1) * kColumns + (column - 1), nullptr);
}

void CCenterDlg::press(int row, int column)
{
    const int index = (row - 1) * kColumns + (column - 1);
    if (index < 0 || index >= entries().size()) {
        return;
    }
    const Entry& entry = entries().at(index);
    if (!checkPermission(m_flags, entry.permission)) {
        return;
    }
    if (entry.action == Action::OpenHelp) {
        emit openHelp();
    } else {
        emit openPage(entry.target, entry.refreshTarget);
    }
}

const PermissionFlags& CCenterDlg::permissions() const
{
    return m_flags;
}

void CCenterDlg::readPermissions()
{
    runDatabaseWork([this] { Session::readRolePermissions(m_flags); });
}

void CCenterDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kWhiteBrushColor);
    QFont font = namedFont(QStringLiteral("WenQuanYi Micro Hei"), 20);
    painter.setFont(font);
    painter.setPen(QColor(20, 90, 150));
    painter.drawText(QRect(0, 18, width(), 36), Qt::AlignCenter, QStringLiteral("欢迎使用幼儿园营养膳食管理系统"));
    painter.setPen(QPen(QColor(150, 215, 245), 2));
    painter.drawLine(width() / 2 - 180, 60, width() / 2 + 180, 60);
}

} // namespace pelinor
