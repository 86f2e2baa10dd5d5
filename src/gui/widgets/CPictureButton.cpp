#include "gui/widgets/CPictureButton.h"

#include "gui/widgets/SkinFonts.h"

#include <QPainter>
#include <QSvgRenderer>

namespace pelinor {

CPictureButton::CPictureButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

CPictureButton::CPictureButton(const QIcon& pictures, const QSize& size, QWidget* parent)
    : CPictureButton(parent)
{
    setPictures(pictures, size);
}

void CPictureButton::setPictures(const QIcon& pictures, const QSize& size)
{
    setIcon(pictures);
    setIconSize(size);
    setFixedSize(size);
}

bool CPictureButton::showsPressedImage() const
{
    return isDown() || isChecked();
}

void CPictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QIcon::State state = showsPressedImage() ? QIcon::On : QIcon::Off;
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, rect(), Qt::AlignCenter, mode, state);
}

QPixmap renderSvg(const QString& svg, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon pictureIcon(const QString& normalSvg, const QString& pressedSvg, const QSize& size)
{
    QIcon icon;
    icon.addPixmap(renderSvg(normalSvg, size), QIcon::Normal, QIcon::Off);
    icon.addPixmap(renderSvg(pressedSvg, size), QIcon::Normal, QIcon::On);
    return icon;
}

namespace {

QPixmap composeTile(TileStyle style, bool pressed, const QString& symbolSvg, const QString& caption, const QSize& size)
{
    const bool hub = style == TileStyle::Hub;
    const bool strip = style == TileStyle::Strip;
    const QString stem = hub ? QStringLiteral("tile") : strip ? QStringLiteral("strip") : QStringLiteral("nav");
    const QString background
        = QStringLiteral(":/skin/%1-%2.svg").arg(stem, pressed ? QStringLiteral("pressed") : QStringLiteral("normal"));
    QPixmap pixmap = renderSvg(background, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int shift = pressed ? 1 : 0;
    QFont font = namedFont(QStringLiteral("WenQuanYi Micro Hei"), hub ? 15 : strip ? 14 : 17);
    font.setBold(true);
    painter.setFont(font);
    if (hub) {
        const int side = std::min(size.width(), size.height()) * 11 / 20;
        const QRect symbol((size.width() - side) / 2 + shift, size.height() / 10 + shift, side, side);
        QSvgRenderer(symbolSvg).render(&painter, symbol);
        const QRect text(shift, symbol.bottom() + 2, size.width(), size.height() - symbol.bottom() - 6);
        painter.setPen(pressed ? QColor(255, 255, 255) : QColor(20, 80, 140));
        painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    } else {
        const int side = size.height() * 3 / 5;
        const int left = strip ? 10 : 22;
        const QRect symbol(left + shift, (size.height() - side) / 2 + shift, side, side);
        QSvgRenderer(symbolSvg).render(&painter, symbol);
        const int gap = strip ? 8 : 14;
        const QRect text(symbol.right() + gap + shift, shift, size.width() - symbol.right() - gap - 4, size.height());
        if (strip) {
            painter.setPen(pressed ? QColor(255, 255, 255) : QColor(20, 80, 140));
        } else {
            painter.setPen(pressed ? QColor(255, 248, 220) : QColor(255, 255, 255));
        }
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    }
    return pixmap;
}

} // namespace

QIcon tileIcon(TileStyle style, const QString& symbolSvg, const QString& caption, const QSize& size)
{
    QIcon icon;
    icon.addPixmap(composeTile(style, false, symbolSvg, caption, size), QIcon::Normal, QIcon::Off);
    icon.addPixmap(composeTile(style, true, symbolSvg, caption, size), QIcon::Normal, QIcon::On);
    return icon;
}

CPictureButton* makeActionButton(const QString& symbolSvg, const QString& caption, QWidget* parent)
{
    const QSize size(std::max(100, 58 + 16 * static_cast<int>(caption.size())), 38);
    auto* button = new CPictureButton(tileIcon(TileStyle::Strip, symbolSvg, caption, size), size, parent);
    button->setToolTip(caption);
    return button;
}

} // namespace pelinor
