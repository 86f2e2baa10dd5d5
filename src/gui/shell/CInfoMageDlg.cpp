#include "gui/shell/CInfoMageDlg.h"

namespace pelinor {

// The buttons come from the pages registered for the hub (see PageRegistry).
CInfoMageDlg::CInfoMageDlg(QWidget* parent)
    : CHubPage(PageId::InfoHub, parent)
{
}

} // namespace pelinor
