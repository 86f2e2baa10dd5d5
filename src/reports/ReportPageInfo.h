#pragma once

#include <QStringList>
#include <functional>
#include <vector>

class QPainter;

namespace pelinor {

// What a report routine is told about the page it paints. The report sets `itemCount` (and `rows`
// when it prints a list); the paging sets `pageCount`; the preview or the print job sets
// `currentPage` and `printing` for every page it asks for.
struct ReportPageInfo
{
    // Rows to lay out; drives the page count. A report with a fixed layout gives a nominal count:
    // 20 for one page, 110 for four.
    int itemCount = 0;
    int pageCount = 0;
    // The page to paint, from 1.
    int currentPage = 1;
    // False: one page for the screen. True: a page of a print job or of a PDF.
    bool printing = false;
    // The lines a list report prints, in order, one text per column (empty for a fixed layout).
    std::vector<QStringList> rows;
};

// Paints page `info.currentPage` of a report on `painter`, in the geometry of ReportCanvas. The
// routine holds the report's own data (captured by value), so it can paint any page at any time.
using ReportDrawProc = std::function<void(QPainter& painter, const ReportPageInfo& info)>;

} // namespace pelinor
