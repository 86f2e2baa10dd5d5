#include "gui/admin/CMmglDlg.h"

#include "core/admin/PasswordChange.h"
#include "gui/navigation/Navigator.h"
#include "gui/session/Session.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/CentredRow.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/SkinFonts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pelinor {

CMmglDlg::CMmglDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_old(new QLineEdit(this))
    , m_new(new QLineEdit(this))
    , m_confirmation(new QLineEdit(this))
{
    setObjectName(QStringLiteral("CMmglDlg"));
    m_old->setObjectName(QStringLiteral("oldPasswordEdit"));
    m_new->setObjectName(QStringLiteral("newPasswordEdit"));
    m_confirmation->setObjectName(QStringLiteral("confirmationEdit"));

    auto* heading = new QLabel(QStringLiteral("密码修改"), this);
    heading->setFont(namedFont(QStringLiteral("WenQuanYi Micro Hei"), 20));
    heading->setStyleSheet(QStringLiteral("color: rgb(20, 90, 150);"));

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(14);
    const struct
    {
        const char* text;
        QLineEdit* field;
    } rows[] = { { "原密码：", m_old }, { "新密码：", m_new }, { "确认密码：", m_confirmation } };
    int row = 0;
    for (const auto& entry : rows) {
        entry.field->setEchoMode(QLineEdit::Password);
        entry.field->setFixedWidth(220);
        auto* text = new QLabel(QString::fromUtf8(entry.text), this);
        text->setFont(songFont(15));
        form->addWidget(text, row, 0, Qt::AlignRight);
        form->addWidget(entry.field, row, 1);
        ++row;
    }
    auto* save = makeActionButton(QStringLiteral(":/skin/sym-save.svg"), QStringLiteral("保存"), this);
    auto* clear = makeActionButton(QStringLiteral(":/skin/sym-clear.svg"), QStringLiteral("清空"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    clear->setObjectName(QStringLiteral("clearButton"));
    connect(save, &QAbstractButton::clicked, this, &CMmglDlg::onSave);
    connect(clear, &QAbstractButton::clicked, this, &CMmglDlg::onClear);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 30, 20, 20);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addSpacing(30);
    layout->addLayout(centredRow(form));
    layout->addSpacing(24);
    layout->addLayout(centredRow(save, 16, clear));
    layout->addStretch(1);
}

QLineEdit* CMmglDlg::oldPasswordEdit() const
{
    return m_old;
}

QLineEdit* CMmglDlg::newPasswordEdit() const
{
    return m_new;
}

QLineEdit* CMmglDlg::confirmationEdit() const
{
    return m_confirmation;
}

void CMmglDlg::onClear()
{
    m_old->clear();
    m_new->clear();
    m_confirmation->clear();
}

void CMmglDlg::onSave()
{
    const CurrentUser& user = Session::currentUser();
    const std::string newPassword = ss(m_new->text());
    const auto result = runDatabaseWork([&] {
        return PasswordChange::change(
            user.userName, user.password, ss(m_old->text()), newPassword, ss(m_confirmation->text()));
    });
    if (!result) {
        // Nothing was stored, so the session goes on with the old password.
        return;
    }
    onClear();
    if (!result->ok()) {
        showRefusal(result->refusal());
        return;
    }
    showMessage(QString::fromUtf8(PasswordChange::kSaved));
    Session::setCurrentPassword(newPassword);
    Session::requestRelogin();
    navigator().closeMainWindow();
}

} // namespace pelinor
