#pragma once

#include "gui/shell/CHubPage.h"

namespace pelinor {

// The system-settings hub: accounts, roles, backup, password change.
class CXtszDlg : public CHubPage
{
    Q_OBJECT

public:
    explicit CXtszDlg(QWidget* parent = nullptr);
};

} // namespace pelinor
