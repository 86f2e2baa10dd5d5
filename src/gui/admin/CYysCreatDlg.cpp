#include "gui/admin/CYysCreatDlg.h"

#include "core/common/Clock.h"
#include "gui/session/Session.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/SkinFonts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor {

namespace {

QLabel* label(const QString& text, bool required, QWidget* parent)
{
    auto* result = new QLabel(text + (required ? QStringLiteral("<font color='red'>*</font>") : QString()), parent);
    result->setTextFormat(Qt::RichText);
    return result;
}

} // namespace

CYysCreatDlg::CYysCreatDlg(const QString& userName, QWidget* parent)
    : QDialog(parent)
    , m_userName(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_telephone(new QLineEdit(this))
    , m_role(new QComboBox(this))
    , m_state(new QComboBox(this))
    , m_password(new QLineEdit(this))
    , m_confirmation(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("确定"), this))
    , m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setObjectName(QStringLiteral("CYysCreatDlg"));
    setWindowTitle(QStringLiteral("营养师创建"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPaleBrushColor);
    setPalette(colours);

    m_userName->setObjectName(QStringLiteral("userNameEdit"));
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_telephone->setObjectName(QStringLiteral("telephoneEdit"));
    m_role->setObjectName(QStringLiteral("roleBox"));
    m_state->setObjectName(QStringLiteral("stateBox"));
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_confirmation->setObjectName(QStringLiteral("confirmationEdit"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_password->setEchoMode(QLineEdit::Password);
    m_confirmation->setEchoMode(QLineEdit::Password);
    for (QWidget* field : std::initializer_list<QWidget*> {
             m_userName, m_name, m_telephone, m_role, m_state, m_password, m_confirmation }) {
        field->setMinimumWidth(200);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(buildForm());
    layout->addSpacing(12);
    layout->addLayout(buildButtons());

    m_state->addItem(QString::fromUtf8(Accounts::kEnabled));
    m_state->addItem(QString::fromUtf8(Accounts::kDisabled));
    m_state->setCurrentIndex(0);
    fillRoles();
    m_role->setCurrentIndex(-1);

    if (!userName.isEmpty()) {
        loadAccount(userName);
    }
}

QGridLayout* CYysCreatDlg::buildForm()
{
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    const struct
    {
        const char* text;
        bool required;
        QWidget* field;
    } rows[] = {
        { "登录帐号：", true, m_userName },
        { "姓名：", false, m_name },
        { "联系电话：", false, m_telephone },
        { "角色名称：", true, m_role },
        { "状态：", true, m_state },
        { "登录密码：", true, m_password },
        { "确认密码：", true, m_confirmation },
    };
    int row = 0;
    for (const auto& entry : rows) {
        form->addWidget(label(QString::fromUtf8(entry.text), entry.required, this), row, 0, Qt::AlignRight);
        form->addWidget(entry.field, row, 1);
        ++row;
    }
    return form;
}

QHBoxLayout* CYysCreatDlg::buildButtons()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CYysCreatDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

void CYysCreatDlg::loadAccount(const QString& userName)
{
    runDatabaseWork([&] {
        const auto account = Accounts::load(ss(userName));
        if (!account) {
            return;
        }
        m_loaded = *account;
        m_editMode = true;
        m_userName->setText(qs(account->userName));
        m_userName->setReadOnly(true);
        m_userName->setStyleSheet(QStringLiteral("background: rgb(238, 238, 238);"));
        m_name->setText(qs(account->name));
        m_telephone->setText(qs(account->telephone));
        m_state->setCurrentIndex(account->state == Accounts::kDisabled ? 1 : 0);
        m_password->setText(qs(account->password));
        m_confirmation->setText(qs(account->password));
        // The role whose number the account's role name has; none when that role is gone.
        const int roleId = Accounts::roleIdOf(account->roleName);
        for (int index = 0; index < m_roles.size(); ++index) {
            if (m_roles.at(index).id == roleId) {
                m_role->setCurrentIndex(index);
            }
        }
    });
}

bool CYysCreatDlg::createAccount(QWidget* parent)
{
    CYysCreatDlg dialog(QString(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CYysCreatDlg::editAccount(QWidget* parent, const QString& userName)
{
    CYysCreatDlg dialog(userName, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CYysCreatDlg::isEditMode() const
{
    return m_editMode;
}

int CYysCreatDlg::accountId() const
{
    return m_editMode ? m_loaded.id : -1;
}

QLineEdit* CYysCreatDlg::userNameEdit() const
{
    return m_userName;
}

QLineEdit* CYysCreatDlg::nameEdit() const
{
    return m_name;
}

QLineEdit* CYysCreatDlg::telephoneEdit() const
{
    return m_telephone;
}

QComboBox* CYysCreatDlg::roleBox() const
{
    return m_role;
}

QComboBox* CYysCreatDlg::stateBox() const
{
    return m_state;
}

QLineEdit* CYysCreatDlg::passwordEdit() const
{
    return m_password;
}

QLineEdit* CYysCreatDlg::confirmationEdit() const
{
    return m_confirmation;
}

void CYysCreatDlg::fillRoles()
{
    // Every role in ascending number. A gap in the numbers must not hide the roles after it.
    runDatabaseWork([this] {
        const auto roles = Accounts::roles();
        m_roles = QList<RoleEntry>(roles.begin(), roles.end());
    });
    for (const RoleEntry& role : m_roles) {
        m_role->addItem(qs(role.name));
    }
}

AccountForm CYysCreatDlg::form() const
{
    AccountForm result;
    result.id = accountId();
    result.userName = ss(m_userName->text());
    result.name = ss(m_name->text());
    result.telephone = ss(m_telephone->text());
    result.roleName = m_role->currentIndex() >= 0 ? ss(m_role->currentText()) : std::string();
    result.state = m_state->currentIndex() >= 0 ? ss(m_state->currentText()) : std::string();
    result.password = ss(m_password->text());
    result.confirmation = ss(m_confirmation->text());
    return result;
}

void CYysCreatDlg::onOk()
{
    const std::string today = programClock().today().dateText();
    const auto result = runDatabaseWork([&] { return Accounts::save(form(), Session::currentUser().userName, today); });
    if (!result) {
        return;
    }
    if (!result->ok()) {
        if (result->message() == Accounts::kUserNameTaken) {
            m_userName->clear();
        }
        showRefusal(result->refusal());
        return;
    }
    accept();
}

} // namespace pelinor
