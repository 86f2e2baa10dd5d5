#pragma once

#include "reports/Report.h"

#include <QAbstractScrollArea>
#include <QImage>

namespace pelinor {

// The page view of the print preview: the current page painted off-screen at the screen's
// resolution (once per page, so scrolling never repaints the report) and shown half an inch from
// the corner on a patterned ground. Scrolls by line (15 pixels), by page and by mouse wheel.
class CPreViewDlg : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CPreViewDlg(QWidget* parent = nullptr);

    void setReport(const Report& report);
    void setCurrentPage(int page);
    int currentPage() const
    {
        return m_currentPage;
    }

    // The page as shown, at the screen's resolution.
    const QImage& pageImage() const
    {
        return m_page;
    }
    // How many line steps a wheel turn of `delta` gives with a step of `wheelStep` units, keeping
    // the rest in `remainder`: positive to scroll up, negative down. A step of 0 (no wheel lines
    // wanted) scrolls nothing.
    static int takeWheelLines(int& remainder, int delta, int wheelStep);

    static constexpr int kLineStep = 15;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void renderPage();
    void updateScrollRanges();
    QPoint pageOrigin() const;

    Report m_report;
    int m_currentPage = 1;
    QImage m_page;
    int m_wheelRemainder = 0;
};

} // namespace pelinor
