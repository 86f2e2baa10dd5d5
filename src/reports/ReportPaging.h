#pragma once

namespace pelinor {

// How the rows of a report fall on its pages: 27 on the first page, 30 on each further one.
inline constexpr int kRowsOnFirstPage = 27;
inline constexpr int kRowsOnFurtherPages = 30;

// The number of pages for `itemCount` rows: 1 up to 27 rows, 2 up to 57, 3 up to 87 … and 0 when
// there is nothing to show (a count of 0 or less).
int reportPageCount(int itemCount);

// The index of the first row on `page` (from 1): 0, 27, 57, 87 …
int firstRowOfPage(int page);

// How many rows `page` holds at most: 27 on the first, 30 on the others.
int rowsOnPage(int page);

// A page number brought into 1 … pageCount (1 when there are no pages).
int clampPage(int page, int pageCount);

} // namespace pelinor
