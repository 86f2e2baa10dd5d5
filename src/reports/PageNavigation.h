#pragma once

namespace pelinor {

// Where the preview stands in a report and which moves are open: back (first, previous) from any
// page after the first, forward (next, last) from any page before the last, go-to when there is
// more than one page.
class PageNavigation
{
public:
    explicit PageNavigation(int pageCount = 0);

    int currentPage() const
    {
        return m_current;
    }
    int pageCount() const
    {
        return m_count;
    }

    void first();
    void previous();
    void next();
    void last();
    // Any number: brought into 1 … page count.
    void goTo(int page);

    bool canGoBack() const;
    bool canGoForward() const;
    bool canGoTo() const;

private:
    int m_count = 0;
    int m_current = 1;
};

} // namespace pelinor
