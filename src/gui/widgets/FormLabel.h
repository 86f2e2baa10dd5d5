#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace pelinor {

// A label of a form, right-aligned beside its field, so that the fields of a column line up.
QLabel* formLabel(const QString& text, QWidget* parent);

} // namespace pelinor
