#include "gui/widgets/CentredRow.h"

#include <QHBoxLayout>

namespace pelinor {

QHBoxLayout* centredRow(QLayout* content)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addLayout(content);
    row->addStretch(1);
    return row;
}

QHBoxLayout* centredRow(QWidget* first, int gap, QWidget* second)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(first);
    row->addSpacing(gap);
    row->addWidget(second);
    row->addStretch(1);
    return row;
}

} // namespace pelinor
