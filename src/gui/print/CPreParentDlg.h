#pragma once

#include "reports/PageNavigation.h"
#include "reports/Report.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QToolBar;

namespace pelinor {

class CPreViewDlg;

// "打印预览": shows a report page by page, prints it on the default printer and saves it as PDF.
// Knows nothing about any report: it pages, shows and prints whatever Report it is given.
//
//   CPreParentDlg::preview(this, makeMenuReport(data));
class CPreParentDlg : public QDialog
{
    Q_OBJECT

public:
    enum Tool
    {
        FirstPage,
        PreviousPage,
        GoToPage,
        NextPage,
        LastPage,
        ClosePreview,
        PrintReport,
        ExportPdf,
        ToolCount
    };

    explicit CPreParentDlg(const Report& report, QWidget* parent = nullptr);
    ~CPreParentDlg() override;

    // Runs the preview modally; a report without rows opens nothing.
    static void preview(QWidget* parent, const Report& report);

    int currentPage() const;
    int pageCount() const;
    QAction* tool(Tool which) const;
    CPreViewDlg* pageView() const
    {
        return m_view;
    }

    // Where a print job goes: the system's default printer, nothing when there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    // Where a PDF goes: a save dialog with a suggested path; empty when cancelled.
    using PdfPathChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    // Replace them (tests); an empty function restores the program's own. Returns the one replaced.
    static PrinterSource setPrinterSource(PrinterSource source);
    static PdfPathChooser setPdfPathChooser(PdfPathChooser chooser);
    static std::unique_ptr<QPrinter> defaultPrinter();

    void firstPage();
    void previousPage();
    void goToPage();
    void nextPage();
    void lastPage();
    void printReport();
    void exportPdf();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showCurrentPage();

    Report m_report;
    PageNavigation m_navigation;
    QToolBar* m_toolBar;
    CPreViewDlg* m_view;
    QAction* m_tools[ToolCount] = {};
};

} // namespace pelinor
