#pragma once

#include "gui/widgets/CSkinPage.h"

namespace pelinor {

class CListCtrlCl;
struct NutrientContent;

// Tab "各类营养素含量": every dish and food of the analysed day with its weight and 20 nutrients,
// grouped by meal time, and the totals row "总合" in blue.
class CYypcgyshl : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYypcgyshl(QWidget* parent = nullptr);

    void load(const NutrientContent& content);
    CListCtrlCl* list() const
    {
        return m_list;
    }

private:
    CListCtrlCl* m_list;
};

} // namespace pelinor
