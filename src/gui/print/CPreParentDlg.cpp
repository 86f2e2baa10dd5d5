#include "gui/print/CPreParentDlg.h"

#include "core/common/AppInfo.h"
#include "gui/print/CPreGotoDlg.h"
#include "gui/print/CPreViewDlg.h"
#include "gui/widgets/Prompter.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportOutput.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QIcon>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace pelinor {

namespace {

const QColor kFrameColor(60, 70, 120);

CPreParentDlg::PrinterSource& printerSource()
{
    static CPreParentDlg::PrinterSource source;
    return source;
}

CPreParentDlg::PdfPathChooser& pdfPathChooser()
{
    static CPreParentDlg::PdfPathChooser chooser;
    return chooser;
}

QString askForPdfPath(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("导出PDF"), suggestedPath, QStringLiteral("PDF 文件 (*.pdf)"));
}

QString suggestedPdfPath(const Report& report)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(report.documentName() + QStringLiteral(".pdf"));
}

// The report's page in the middle of the printer's paper, as far as the printer's margins allow.
void centreOnPaper(QPrinter& printer)
{
    const QRectF paper = printer.pageLayout().fullRectPoints();
    const double widthMm = paper.width() * 25.4 / 72;
    const double heightMm = paper.height() * 25.4 / 72;
    const double side = std::max(0.0, (widthMm - ReportCanvas::kPageWidthMm) / 2);
    const double top = std::max(0.0, (heightMm - ReportCanvas::kPageHeightMm) / 2);
    printer.setPageMargins(QMarginsF(side, top, side, top), QPageLayout::Millimeter);
}

} // namespace

CPreParentDlg::CPreParentDlg(const Report& report, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_navigation(report.pageCount())
    , m_toolBar(new QToolBar(this))
    , m_view(new CPreViewDlg(this))
{
    setObjectName(QStringLiteral("CPreParentDlg"));
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/print-print.svg")));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(900, 700);

    struct ToolText
    {
        const char* icon;
        const char* text;
        const char* tip;
        const char* name;
    };
    static const ToolText tools[ToolCount] = {
        { "first", "首页", "第一页", "firstPageAction" },
        { "previous", "上一页", "上一页", "previousPageAction" },
        { "goto", "转到页", "转到指定的页", "goToPageAction" },
        { "next", "下一页", "下一页", "nextPageAction" },
        { "last", "末页", "最后一页", "lastPageAction" },
        { "close", "关闭", "关闭预览", "closeAction" },
        { "print", "打印", "在默认打印机上打印全部页", "printAction" },
        { "pdf", "导出PDF", "把全部页保存为PDF文件", "exportPdfAction" },
    };
    m_toolBar->setObjectName(QStringLiteral("previewToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { background: #eef1f7; border: none; padding: 2px; }"));
    for (int i = 0; i < ToolCount; ++i) {
        const ToolText& tool = tools[i];
        m_tools[i] = m_toolBar->addAction(
            QIcon(QStringLiteral(":/skin/print-%1.svg").arg(QLatin1String(tool.icon))), QString::fromUtf8(tool.text));
        m_tools[i]->setToolTip(QString::fromUtf8(tool.tip));
        m_tools[i]->setObjectName(QLatin1String(tool.name));
    }

    // Two etched lines between the tool bar and the page.
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setLineWidth(1);
    rule->setFixedHeight(2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(rule);
    layout->addWidget(m_view, 1);

    connect(m_tools[FirstPage], &QAction::triggered, this, &CPreParentDlg::firstPage);
    connect(m_tools[PreviousPage], &QAction::triggered, this, &CPreParentDlg::previousPage);
    connect(m_tools[GoToPage], &QAction::triggered, this, &CPreParentDlg::goToPage);
    connect(m_tools[NextPage], &QAction::triggered, this, &CPreParentDlg::nextPage);
    connect(m_tools[LastPage], &QAction::triggered, this, &CPreParentDlg::lastPage);
    connect(m_tools[ClosePreview], &QAction::triggered, this, &QDialog::reject);
    connect(m_tools[PrintReport], &QAction::triggered, this, &CPreParentDlg::printReport);
    connect(m_tools[ExportPdf], &QAction::triggered, this, &CPreParentDlg::exportPdf);

    m_view->setReport(m_report);
    showCurrentPage();
    m_view->setFocus();
}

CPreParentDlg::~CPreParentDlg() = default;

void CPreParentDlg::preview(QWidget* parent, const Report& report)
{
    if (report.isEmpty()) {
        return;
    }
    CPreParentDlg dialog(report, parent);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

int CPreParentDlg::currentPage() const
{
    return m_navigation.currentPage();
}

int CPreParentDlg::pageCount() const
{
    return m_navigation.pageCount();
}

QAction* CPreParentDlg::tool(Tool which) const
{
    return m_tools[which];
}

void CPreParentDlg::showCurrentPage()
{
    m_view->setCurrentPage(m_navigation.currentPage());
    m_tools[FirstPage]->setEnabled(m_navigation.canGoBack());
    m_tools[PreviousPage]->setEnabled(m_navigation.canGoBack());
    m_tools[GoToPage]->setEnabled(m_navigation.canGoTo());
    m_tools[NextPage]->setEnabled(m_navigation.canGoForward());
    m_tools[LastPage]->setEnabled(m_navigation.canGoForward());
}

void CPreParentDlg::firstPage()
{
    m_navigation.first();
    showCurrentPage();
}

void CPreParentDlg::previousPage()
{
    m_navigation.previous();
    showCurrentPage();
}

void CPreParentDlg::goToPage()
{
    if (const auto page = CPreGotoDlg::choosePage(this, m_navigation.currentPage(), m_navigation.pageCount())) {
        m_navigation.goTo(*page);
    }
    showCurrentPage();
}

void CPreParentDlg::nextPage()
{
    m_navigation.next();
    showCurrentPage();
}

void CPreParentDlg::lastPage()
{
    m_navigation.last();
    showCurrentPage();
}

CPreParentDlg::PrinterSource CPreParentDlg::setPrinterSource(PrinterSource source)
{
    return std::exchange(printerSource(), std::move(source));
}

CPreParentDlg::PdfPathChooser CPreParentDlg::setPdfPathChooser(PdfPathChooser chooser)
{
    return std::exchange(pdfPathChooser(), std::move(chooser));
}

std::unique_ptr<QPrinter> CPreParentDlg::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        return nullptr;
    }
    return printer;
}

void CPreParentDlg::printReport()
{
    if (!prompter().askYesNo(QStringLiteral("决定打印当前报表吗?"), QStringLiteral("打印提示"))) {
        return;
    }
    const std::unique_ptr<QPrinter> printer = printerSource() ? printerSource()() : defaultPrinter();
    if (!printer) {
        prompter().error(QStringLiteral("打印机初始化失败!"), QStringLiteral("错误"));
        return;
    }
    printer->setDocName(m_report.documentName());
    printer->setCreator(QString::fromUtf8(kApplicationTitle));
    centreOnPaper(*printer);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintResult result = pelinor::printReport(*printer, m_report);
    QApplication::restoreOverrideCursor();
    if (result == PrintResult::CannotStart) {
        prompter().error(QString::fromUtf8(kPrintCannotStartText), QString::fromUtf8(kPrintCannotStartCaption));
    } else if (result == PrintResult::CannotStartPage) {
        printer->abort();
        prompter().error(QString::fromUtf8(kPrintCannotStartPageText), QString::fromUtf8(kPrintCannotStartPageCaption));
    }
}

void CPreParentDlg::exportPdf()
{
    const auto& chooser = pdfPathChooser();
    QString path
        = chooser ? chooser(this, suggestedPdfPath(m_report)) : askForPdfPath(this, suggestedPdfPath(m_report));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = writeReportPdf(m_report, path);
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        prompter().error(failure, QStringLiteral("错误"));
        return;
    }
    prompter().info(QStringLiteral("PDF文件已保存：%1").arg(QDir::toNativeSeparators(path)),
        QString::fromUtf8(kSystemPromptCaption));
}

void CPreParentDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFrameColor);
}

} // namespace pelinor
