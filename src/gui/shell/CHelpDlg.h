#pragma once

#include <QDialog>

class QTextBrowser;

namespace pelinor {

// The program's own user guide, shipped in the resources as HTML.
class CHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    QTextBrowser* browser() const;

private:
    QTextBrowser* m_browser;
};

} // namespace pelinor
