#include "gui/shell/CXtszDlg.h"

namespace pelinor {

CXtszDlg::CXtszDlg(QWidget* parent)
    : CHubPage(PageId::SettingsHub,
        {
            { PageId::Accounts, QStringLiteral("C41"), QStringLiteral(":/skin/sym-people.svg"), false },
            { PageId::Roles, QStringLiteral("C42"), QStringLiteral(":/skin/sym-key.svg"), false },
            { PageId::Backup, QStringLiteral("C43"), QStringLiteral(":/skin/sym-database.svg"), false },
            { PageId::PasswordChange, QStringLiteral("C44"), QStringLiteral(":/skin/sym-lock.svg"), false },
        },
        parent)
{
}

} // namespace pelinor
