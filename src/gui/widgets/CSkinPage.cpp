#include "gui/widgets/CSkinPage.h"

#include "gui/widgets/SkinFonts.h"

#include <QPainter>

namespace pelinor {

CSkinPage::CSkinPage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWhiteBrushColor);
    setPalette(colours);
}

void CSkinPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kWhiteBrushColor);
}

} // namespace pelinor
