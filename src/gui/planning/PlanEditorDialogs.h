#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace pelinor {

// What the item chooser hands back: a dish ("菜谱") or a food ("原料") with its weight and foods.
struct ChosenPlanItem
{
    QString name;
    QString weight;
    QString composition;
    QString kind;
};

// What the dish editor hands back.
struct EditedPlanDish
{
    QString weight;
    QString composition;
};

// The dialogs the plan editor opens: the set-meal module's item chooser, dish editor and set-meal
// picker, and the library's food-weight dialog. Tests put their own answers in their place.
struct PlanEditorDialogs
{
    std::function<std::optional<ChosenPlanItem>(QWidget*)> chooseItem;
    std::function<std::optional<EditedPlanDish>(QWidget*, const QString&, const QString&, const QString&)> editDish;
    std::function<std::optional<QString>(QWidget*, const QString&, const QString&)> editFoodWeight;
    std::function<std::optional<int>(QWidget*)> pickSetMeal;

    // The program's own dialogs.
    static PlanEditorDialogs standard();
};

} // namespace pelinor
