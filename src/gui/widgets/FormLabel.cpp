#include "gui/widgets/FormLabel.h"

#include <QLabel>

namespace pelinor {

QLabel* formLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace pelinor
