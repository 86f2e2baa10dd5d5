#include "gui/setmeals/SetMealWidgets.h"

#include "core/common/MealSlot.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QComboBox>
#include <QPushButton>

namespace pelinor {

void fillMealCombo(QComboBox* combo)
{
    combo->clear();
    for (std::string_view meal : kMealSlots) {
        combo->addItem(QString::fromUtf8(meal.data(), static_cast<qsizetype>(meal.size())));
    }
    combo->setCurrentIndex(0);
}

QPushButton* textButton(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QPushButton* linkButton(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* button = textButton(text, objectName, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #0645ad; text-decoration: underline; border: none; "
                                         "padding: 2px 6px; } QPushButton:pressed { color: #b00; }"));
    return button;
}

void setUpFoodWeightList(CListCtrlCl* list)
{
    list->setColumns({ QStringLiteral("原料名称"), QStringLiteral("重量(g)") }, { 150, 0 });
    list->setAlignmentString(QStringLiteral("01"));
    list->setSkinnedRowHeight();
}

} // namespace pelinor
