#include "gui/shell/CRecipeDlg.h"

namespace pelinor {

// The buttons come from the pages registered for the hub (see PageRegistry).
CRecipeDlg::CRecipeDlg(QWidget* parent)
    : CHubPage(PageId::RecipeHub, parent)
{
}

} // namespace pelinor
