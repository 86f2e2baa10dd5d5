#pragma once

#include "core/common/NutrientVector.h"
#include "core/library/DishIngredientList.h"

#include <QWidget>
#include <array>
#include <optional>

class QLineEdit;

namespace pelinor {

// The 28 labelled nutrient boxes of the food and dish dialogs, in nutrient order, `columns` label
// and box pairs to a row. The food dialogs type single-precision numbers into them; the dish
// dialogs show their running sums read-only.
class NutrientBoxGrid : public QWidget
{
    Q_OBJECT

public:
    NutrientBoxGrid(bool editable, int columns, QWidget* parent = nullptr);

    QLineEdit* box(std::size_t index) const;

    void setValues(const NutrientVector& values);
    void setSums(const NutrientSums& sums);

    // The first box that holds something other than a number (an empty box counts as 0).
    std::optional<std::size_t> firstInvalidBox() const;
    // The typed values; call after firstInvalidBox() found none.
    NutrientVector values() const;

    // A box's text as a single-precision number, if it is one.
    static std::optional<float> numberOf(const QString& text);
    // What a box shows for a stored value: up to three decimals, trailing zeros dropped.
    static QString valueText(float value);

private:
    void markBox(QLineEdit* box);

    std::array<QLineEdit*, kNutrientCount> m_boxes {};
};

} // namespace pelinor
