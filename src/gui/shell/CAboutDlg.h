#pragma once

#include <QDialog>

namespace pelinor {

// The About box of the window menu.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace pelinor
