#pragma once

#include "gui/library/LibraryPageBase.h"

namespace pelinor {

// The food page. The list shows the foods of the first category when the page opens, then those
// of the second-level category last opened or saved into, or the last search's.
class CFoodMageDlg : public LibraryPageBase
{
    Q_OBJECT

public:
    explicit CFoodMageDlg(QWidget* parent = nullptr);

    CListCtrlCl* foodList() const;

public slots:
    void onAddFood();
    void onEditFood();
    void onDeleteFood();
    void onSearch() override;
    // Lists the foods of a second-level category.
    void listSubCategory(int subCategoryId);

protected:
    void reloadList() override;

private:
    enum class Listing
    {
        FirstCategory,
        SubCategory,
        Search,
    };

    Listing m_listing = Listing::FirstCategory;
    int m_listedCategory = 0;
    QString m_searchedText;
};

} // namespace pelinor
