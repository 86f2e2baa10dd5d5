#include "gui/shell/CXtszDlg.h"

namespace pelinor {

// The buttons come from the pages registered for the hub (see PageRegistry).
CXtszDlg::CXtszDlg(QWidget* parent)
    : CHubPage(PageId::SettingsHub, parent)
{
}

} // namespace pelinor
