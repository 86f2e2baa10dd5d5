#include "gui/shell/CBttmDlg.h"

#include "core/db/DatabaseCatalog.h"
#include "gui/session/Session.h"
#include "gui/widgets/SkinFonts.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSettings>

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
    // The kindergarten or its supplier writes whose program it is and whom to call; nothing is shown
    // for what is not written, so no made-up number ever reaches a user.
    const QSettings site(siteSettingsPath(), QSettings::IniFormat);
    const QString holder = site.value(QStringLiteral("BottomBar/CopyrightHolder")).toString().trimmed();
    const QString serviceLine = site.value(QStringLiteral("BottomBar/ServiceLine")).toString().trimmed();
    auto* copyright = barLabel(holder.isEmpty() ? QString() : QStringLiteral("版权所有 © %1").arg(holder), this);
    copyright->setObjectName(QStringLiteral("copyrightLabel"));
    auto* service = barLabel(serviceLine.isEmpty() ? QString() : QStringLiteral("服务热线：%1").arg(serviceLine), this);
    service->setObjectName(QStringLiteral("serviceLineLabel"));
    layout->addWidget(copyright);
    layout->addStretch(1);
    m_user->setObjectName(QStringLiteral("currentUserLabel"));
    layout->addWidget(m_user);
    layout->addStretch(1);
    layout->addWidget(service);
    updateUser();
    connect(&Session::notifier(), &SessionNotifier::userChanged, this, &CBttmDlg::updateUser);
}

QString CBttmDlg::siteSettingsPath()
{
    return QDir::cleanPath(
        QDir(QString::fromStdString(dataDirectory())).absoluteFilePath(QStringLiteral("../pelinor.ini")));
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
