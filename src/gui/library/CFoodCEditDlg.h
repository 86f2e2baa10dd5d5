#pragma once

#include "library/CategoryDialogBase.h"
#include "library/CategoryTree.h"

#include <optional>

namespace pelinor {

// "原料类编辑": renames a food category; a second-level one may also move to another top-level
// category, taking its foods along. It is given the tree item's name and its parent item's name.
class CFoodCEditDlg : public CategoryDialogBase
{
    Q_OBJECT

public:
    CFoodCEditDlg(const QString& name, const QString& parentName, QWidget* parent = nullptr);

    // False when the category was not found; the dialog should not be opened then.
    bool isLoaded() const;

protected:
    LibraryOutcome save() override;

private:
    std::optional<Category> m_loaded;
};

} // namespace pelinor
