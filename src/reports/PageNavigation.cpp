#include "reports/PageNavigation.h"

#include "reports/ReportPaging.h"

namespace pelinor {

PageNavigation::PageNavigation(int pageCount)
    : m_count(pageCount < 0 ? 0 : pageCount)
{
}

void PageNavigation::first()
{
    m_current = 1;
}

void PageNavigation::previous()
{
    goTo(m_current - 1);
}

void PageNavigation::next()
{
    goTo(m_current + 1);
}

void PageNavigation::last()
{
    goTo(m_count);
}

void PageNavigation::goTo(int page)
{
    m_current = clampPage(page, m_count);
}

bool PageNavigation::canGoBack() const
{
    return m_current > 1;
}

bool PageNavigation::canGoForward() const
{
    return m_current < m_count;
}

bool PageNavigation::canGoTo() const
{
    return m_count > 1;
}

} // namespace pelinor
