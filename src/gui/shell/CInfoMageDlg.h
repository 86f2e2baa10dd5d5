#pragma once

#include "gui/shell/CHubPage.h"

namespace pelinor {

// The information-management hub: examinations, immunisation, classes, attendance, purchase list.
class CInfoMageDlg : public CHubPage
{
    Q_OBJECT

public:
    explicit CInfoMageDlg(QWidget* parent = nullptr);
};

} // namespace pelinor
