#pragma once

#include "core/library/CategoryTree.h"
#include "gui/library/CategoryDialogBase.h"

#include <optional>

namespace pelinor {

// The category edit dialogs of both pages, titled "原料类编辑" (the dish one has always carried the
// food one's title). Each loads the category a tree item stands for; a top-level category only
// gets a new name, so its parent list is disabled.
class CategoryEditDialogBase : public CategoryDialogBase
{
    Q_OBJECT

public:
    // False when the category was not found; the dialog should not be opened then.
    bool isLoaded() const;

protected:
    explicit CategoryEditDialogBase(QWidget* parent);

    // Keeps the loaded category and shows its name; for a second-level one the parent list shows
    // the entry at `parentPosition`.
    void showLoaded(std::optional<Category> loaded, int parentPosition);
    const Category& loaded() const;

private:
    std::optional<Category> m_loaded;
};

} // namespace pelinor
