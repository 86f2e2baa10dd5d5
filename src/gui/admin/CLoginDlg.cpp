#include "gui/admin/CLoginDlg.h"

#include "core/admin/LoginService.h"
#include "gui/session/Session.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/CentredRow.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/SkinFonts.h"
#include "gui/widgets/WindowDragger.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace pelinor {

namespace {

const QSize kDialogSize(460, 300);
const QSize kCloseSize(26, 22);

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(songFont(15));
    label->setStyleSheet(QStringLiteral("color: rgb(20, 70, 120); background: transparent;"));
    return label;
}

QString buttonStyle()
{
    return QStringLiteral(
        "QPushButton { color: white; font-size: 15px; border: 1px solid rgb(0,130,190); border-radius: 4px;"
        " background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(90,205,255), stop:1 rgb(0,160,230)); }"
        "QPushButton:pressed { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(0,140,210),"
        " stop:1 rgb(0,110,180)); }"
        "QPushButton:focus { border: 1px solid rgb(255,170,40); }");
}

} // namespace

CLoginDlg::CLoginDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_userName(new QLineEdit(this))
    , m_password(new QLineEdit(this))
    , m_login(new QPushButton(QStringLiteral("登  录"), this))
    , m_cancel(new QPushButton(QStringLiteral("取  消"), this))
    , m_close(new CPictureButton(this))
{
    setObjectName(QStringLiteral("CLoginDlg"));
    setWindowTitle(QStringLiteral("Pelinor 登录"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/app-icon.svg")));
    setFixedSize(kDialogSize);
    new WindowDragger(this);

    m_userName->setObjectName(QStringLiteral("userNameEdit"));
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : { m_userName, m_password }) {
        edit->setFont(songFont(15));
        edit->setFixedSize(200, 28);
    }
    m_login->setObjectName(QStringLiteral("loginButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : { m_login, m_cancel }) {
        button->setFixedSize(96, 32);
        button->setStyleSheet(buttonStyle());
        button->setCursor(Qt::PointingHandCursor);
    }
    m_login->setDefault(true);
    m_login->setAutoDefault(true);
    m_cancel->setAutoDefault(false);

    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setToolTip(QStringLiteral("关闭"));
    m_close->setPictures(
        pictureIcon(QStringLiteral(":/skin/btn-close.svg"), QStringLiteral(":/skin/btn-close-down.svg"), kCloseSize),
        kCloseSize);
    m_close->move(width() - kCloseSize.width() - 8, 8);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(14);
    form->addWidget(fieldLabel(QStringLiteral("用 户 名："), this), 0, 0, Qt::AlignRight);
    form->addWidget(m_userName, 0, 1);
    form->addWidget(fieldLabel(QStringLiteral("密      码："), this), 1, 0, Qt::AlignRight);
    form->addWidget(m_password, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 118, 20, 26);
    layout->addLayout(centredRow(form));
    layout->addStretch(1);
    layout->addLayout(centredRow(m_login, 24, m_cancel));
    m_close->raise();

    connect(m_login, &QPushButton::clicked, this, &CLoginDlg::onLogin);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_close, &QAbstractButton::clicked, this, &QDialog::reject);
    m_userName->setFocus();
}

QLineEdit* CLoginDlg::userNameEdit() const
{
    return m_userName;
}

QLineEdit* CLoginDlg::passwordEdit() const
{
    return m_password;
}

void CLoginDlg::onLogin()
{
    const auto result
        = runDatabaseWork([&] { return LoginService::login(ss(m_userName->text()), ss(m_password->text())); });
    if (!result) {
        return;
    }
    if (!result->ok()) {
        clearFields();
        showRefusal(result->refusal());
        m_userName->setFocus();
        return;
    }
    Session::setCurrentUser(result->value());
    accept();
}

void CLoginDlg::clearFields()
{
    m_userName->clear();
    m_password->clear();
}

void CLoginDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/skin/login.svg")).render(&painter, QRectF(rect()));
}

void CLoginDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Escape must not end the login: only cancel and the close button do.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        onLogin();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace pelinor
