#include "gui/widgets/ActionButtons.h"

#include <QHBoxLayout>

namespace pelinor {

CPictureButton* actionButton(const QString& objectName, const QString& symbol, const QString& caption, QWidget* parent)
{
    auto* button = makeActionButton(QStringLiteral(":/skin/sym-%1.svg").arg(symbol), caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

CPictureButton* arrowButton(const QString& objectName, const QString& arrow, QWidget* parent)
{
    const QSize size(48, 32);
    auto* button = new CPictureButton(pictureIcon(QStringLiteral(":/skin/btn-%1.svg").arg(arrow),
                                          QStringLiteral(":/skin/btn-%1-down.svg").arg(arrow), size),
        size, parent);
    button->setObjectName(objectName);
    return button;
}

CPictureButton* iconButton(IconAction action, const QString& tooltip, QWidget* parent)
{
    const QSize size(36, 32);
    const char* name = action == IconAction::Add ? "add" : action == IconAction::Edit ? "edit" : "delete";
    const QIcon icon = pictureIcon(QStringLiteral(":/skin/btn-%1.svg").arg(QLatin1String(name)),
        QStringLiteral(":/skin/btn-%1-down.svg").arg(QLatin1String(name)), size);
    auto* button = new CPictureButton(icon, size, parent);
    button->setToolTip(tooltip);
    return button;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    for (auto* button : buttons) {
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

} // namespace pelinor
