#pragma once

#include "gui/library/FoodDialogBase.h"

#include <optional>

namespace pelinor {

// "原料编辑": the food of the given name, loaded before the dialog opens and saved back under its
// identifier.
class CFoodEditDlg : public FoodDialogBase
{
    Q_OBJECT

public:
    CFoodEditDlg(const QString& foodName, QWidget* parent = nullptr);

    // False when no food has the name (or it could not be read); the dialog should not be opened.
    bool isLoaded() const;

protected:
    Outcome<int> save(const FoodForm& form) override;

private:
    std::optional<LoadedFood> m_loaded;
};

} // namespace pelinor
