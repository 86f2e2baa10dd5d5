#include "gui/shell/CWelcomePage.h"

#include "gui/widgets/SkinFonts.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pelinor {

CWelcomePage::CWelcomePage(const QString& picture, const QString& caption, QWidget* parent)
    : CSkinPage(parent)
    , m_picture(picture)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("welcomePage"));
}

void CWelcomePage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kWhiteBrushColor);
    // The picture keeps its proportions (4:3) and is centred in the page.
    QSvgRenderer renderer(m_picture);
    const QSize available = size() - QSize(40, 80);
    QSize pictureSize(4, 3);
    pictureSize.scale(available.expandedTo(QSize(4, 3)), Qt::KeepAspectRatio);
    const QRect area(QPoint((width() - pictureSize.width()) / 2, 20), pictureSize);
    renderer.render(&painter, area);
    QFont font = namedFont(QStringLiteral("WenQuanYi Micro Hei"), 18);
    painter.setFont(font);
    painter.setPen(QColor(20, 90, 150));
    painter.drawText(QRect(0, area.bottom() + 8, width(), 40), Qt::AlignCenter, m_caption);
}

} // namespace pelinor
