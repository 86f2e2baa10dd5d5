#pragma once

#include "gui/widgets/CPictureButton.h"

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QWidget;

namespace pelinor {

// The picture buttons of the pages, besides makeActionButton (CPictureButton.h).

// A page's action button with its object name: the symbol ":/skin/sym-SYMBOL.svg" and the caption
// drawn into its pictures (the button itself carries no text; the caption is its accessible name).
CPictureButton* actionButton(const QString& objectName, const QString& symbol, const QString& caption, QWidget* parent);

// One of the four arrow buttons between two lists ("right", "right-all", "left", "left-all").
CPictureButton* arrowButton(const QString& objectName, const QString& arrow, QWidget* parent);

// The small caption-less add, edit and delete buttons beside a tree or list (the tooltip names
// what it does).
enum class IconAction
{
    Add,
    Edit,
    Delete,
};
CPictureButton* iconButton(IconAction action, const QString& tooltip, QWidget* parent);

// A row of buttons from the left edge, the room to their right left empty.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

} // namespace pelinor
