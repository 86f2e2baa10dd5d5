#pragma once

#include "library/CategoryDialogBase.h"
#include "library/CategoryTree.h"

#include <optional>

namespace pelinor {

// Edits a dish category (the window keeps the title "原料类编辑" it has always had): a top-level
// category only gets a new name, a second-level one may also move. It is given the tree item's
// name and its parent item's name.
class CCookCEditDlg : public CategoryDialogBase
{
    Q_OBJECT

public:
    CCookCEditDlg(const QString& name, const QString& parentName, QWidget* parent = nullptr);

    // False when the category was not found; the dialog should not be opened then.
    bool isLoaded() const;

protected:
    LibraryOutcome save() override;

private:
    std::optional<Category> m_loaded;
};

} // namespace pelinor
