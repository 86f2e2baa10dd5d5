#pragma once

#include <QIcon>
#include <QToolButton>

namespace pelinor {

// A button that is nothing but its pictures: the icon's Off image normally, its On image while
// pressed (or checked). Both images are our own art from the resource file.
class CPictureButton : public QToolButton
{
    Q_OBJECT

public:
    explicit CPictureButton(QWidget* parent = nullptr);
    CPictureButton(const QIcon& pictures, const QSize& size, QWidget* parent = nullptr);

    void setPictures(const QIcon& pictures, const QSize& size);
    // True while the pressed image is the one shown.
    bool showsPressedImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An icon of two SVG files from the resources, the normal image and the pressed one.
QIcon pictureIcon(const QString& normalSvg, const QString& pressedSvg, const QSize& size);

// A tile picture for hub and navigation buttons: the tile background (normal or pressed),
// a symbol from the resources and a caption under or beside it, composed once per button.
enum class TileStyle
{
    Hub, // square tile, symbol above the caption
    Navigation, // wide bar of the navigation bar, symbol left of the caption
    Strip, // button of a hub's strip, symbol left of the caption
};
QIcon tileIcon(TileStyle style, const QString& symbolSvg, const QString& caption, const QSize& size);

// A page's action button (add, edit, delete, save ...): a strip tile with a symbol and a caption.
CPictureButton* makeActionButton(const QString& symbolSvg, const QString& caption, QWidget* parent);

// Renders an SVG resource at exactly `size`.
QPixmap renderSvg(const QString& svg, const QSize& size);

} // namespace pelinor
