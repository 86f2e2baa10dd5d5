#include "gui/shell/CHelpDlg.h"

#include "gui/widgets/SkinFonts.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace pelinor {

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("CHelpDlg"));
    setWindowTitle(QStringLiteral("Pelinor 使用说明"));
    m_browser->setObjectName(QStringLiteral("guideBrowser"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setFont(songFont(14));
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 600);
}

QTextBrowser* CHelpDlg::browser() const
{
    return m_browser;
}

} // namespace pelinor
