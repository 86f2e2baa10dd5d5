#pragma once

#include "gui/shell/CHubPage.h"

namespace pelinor {

// The recipe-management hub: foods, dishes, set meals, meal-time dish table.
class CRecipeDlg : public CHubPage
{
    Q_OBJECT

public:
    explicit CRecipeDlg(QWidget* parent = nullptr);
};

} // namespace pelinor
