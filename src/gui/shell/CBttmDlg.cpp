#include "gui/shell/CBttmDlg.h"

#include "gui/session/Session.h"
#include "gui/widgets/SkinFonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace pelinor {

namespace {

QLabel* barLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(songFont(13));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

CBttmDlg::CBttmDlg(QWidget* parent)
    : QWidget(parent)
    , m_user(barLabel(QString(), this))
{
    setObjectName(QStringLiteral("CBttmDlg"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 16, 0);
    layout->addWidget(barLabel(QStringLiteral("版权所有 © 2026 Pelinor 幼儿园营养膳食管理系统"), this));
    layout->addStretch(1);
    m_user->setObjectName(QStringLiteral("currentUserLabel"));
    layout->addWidget(m_user);
    layout->addStretch(1);
    layout->addWidget(barLabel(QStringLiteral("服务热线：400-860-2718"), this));
    updateUser();
}

void CBttmDlg::updateUser()
{
    const CurrentUser& user = Session::currentUser();
    if (!user.loggedIn()) {
        m_user->clear();
        return;
    }
    const QString name = QString::fromStdString(user.displayName.empty() ? user.userName : user.displayName);
    m_user->setText(QStringLiteral("当前用户：%1（%2）").arg(name, QString::fromStdString(user.roleName)));
}

void CBttmDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kSkyBrushColor);
}

} // namespace pelinor
