#include "reports/ReportPaging.h"

#include <algorithm>

namespace pelinor {

int reportPageCount(int itemCount)
{
    if (itemCount <= 0) {
        return 0;
    }
    const int further = itemCount - kRowsOnFirstPage;
    if (further <= 0) {
        return 1;
    }
    return 1 + (further + kRowsOnFurtherPages - 1) / kRowsOnFurtherPages;
}

int firstRowOfPage(int page)
{
    return page <= 1 ? 0 : kRowsOnFirstPage + (page - 2) * kRowsOnFurtherPages;
}

int rowsOnPage(int page)
{
    return page <= 1 ? kRowsOnFirstPage : kRowsOnFurtherPages;
}

int clampPage(int page, int pageCount)
{
    return std::clamp(page, 1, std::max(1, pageCount));
}

} // namespace pelinor
