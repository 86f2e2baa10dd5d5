#include "gui/planning/CCgqdDlg.h"

#include "core/common/AppInfo.h"
#include "core/common/Clock.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/widgets/ActionButtons.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Refusals.h"
#include "gui/widgets/StringConversion.h"
#include "reports/PurchaseReport.h"

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <utility>

namespace pelinor {

namespace {

constexpr const char* kDateFormat = "yyyy-MM-dd";

CCgqdDlg::CsvPathChooser& csvPathChooser()
{
    static CCgqdDlg::CsvPathChooser chooser;
    return chooser;
}

QString askForCsvPath(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("导出CSV"), suggestedPath, QStringLiteral("CSV 文件 (*.csv)"));
}

CalendarDate calendarDate(const QDate& date)
{
    return { date.year(), date.month(), date.day() };
}

QDate qDate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

QDateEdit* dateEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(objectName);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QString::fromLatin1(kDateFormat));
    return edit;
}

} // namespace

CCgqdDlg::CCgqdDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_from(dateEdit(QStringLiteral("fromDate"), this))
    , m_to(dateEdit(QStringLiteral("toDate"), this))
    , m_list(new CListCtrlCl(this))
{
    setObjectName(QStringLiteral("CCgqdDlg"));
    const QString name = QStringLiteral("原料名称");
    const QString weight = QStringLiteral("原料重量(kg)");
    m_list->setObjectName(QStringLiteral("purchaseList"));
    m_list->setColumns({ name, weight, name, weight }, { 230, 150, 230, 150 });
    m_list->setAlignmentString(QStringLiteral("0202"));
    m_list->setSkinnedRowHeight();

    auto* find = actionButton(QStringLiteral("queryButton"), QStringLiteral("search"), QStringLiteral("查询"), this);
    auto* print = actionButton(QStringLiteral("printButton"), QStringLiteral("print"), QStringLiteral("打印"), this);
    auto* csv = actionButton(QStringLiteral("csvButton"), QStringLiteral("export"), QStringLiteral("导出CSV"), this);

    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("时间："), this));
    range->addWidget(m_from);
    range->addSpacing(8);
    range->addWidget(new QLabel(QStringLiteral("到："), this));
    range->addWidget(m_to);
    range->addSpacing(12);
    range->addWidget(find);
    range->addSpacing(24);
    range->addWidget(print);
    range->addWidget(csv);
    range->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(range);
    layout->addWidget(m_list, 1);

    connect(find, &QAbstractButton::clicked, this, &CCgqdDlg::query);
    connect(print, &QAbstractButton::clicked, this, &CCgqdDlg::printList);
    connect(csv, &QAbstractButton::clicked, this, &CCgqdDlg::exportCsv);
    refresh();
}

void CCgqdDlg::refresh()
{
    const CalendarDate monday = CalendarDate::fromDateTime(programClock().today()).mondayOfWeek();
    m_from->setDate(qDate(monday));
    m_to->setDate(qDate(monday.plusDays(6)));
    m_items.clear();
    m_listedFrom.clear();
    m_listedTo.clear();
    m_list->clearRows();
}

void CCgqdDlg::query()
{
    m_items.clear();
    m_list->clearRows();
    m_listedFrom = m_from->date().toString(QString::fromLatin1(kDateFormat));
    m_listedTo = m_to->date().toString(QString::fromLatin1(kDateFormat));
    // What was gathered before a database failure is still shown, after the failure's message.
    std::vector<PurchaseItem> gathered;
    const CalendarDate from = calendarDate(m_from->date());
    const CalendarDate to = calendarDate(m_to->date());
    runDatabaseWork([&] { gatherPurchaseItems(from, to, gathered); });
    m_items = purchaseList(gathered);
    showItems();
}

void CCgqdDlg::showItems()
{
    m_list->clearRows();
    for (const auto& line : purchaseListLines(m_items)) {
        m_list->appendRow({ qs(line[0]), qs(line[1]), qs(line[2]), qs(line[3]) });
    }
}

void CCgqdDlg::printList()
{
    if (m_items.empty()) {
        return;
    }
    CPreParentDlg::preview(this, makePurchaseReport(m_items, m_listedFrom, m_listedTo));
}

CCgqdDlg::CsvPathChooser CCgqdDlg::setCsvPathChooser(CsvPathChooser chooser)
{
    return std::exchange(csvPathChooser(), std::move(chooser));
}

void CCgqdDlg::exportCsv()
{
    if (m_items.empty()) {
        showMessage(QStringLiteral("采购清单为空，请先查询！"), QString::fromUtf8(kSystemPromptCaption));
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString suggested = QDir(folder).filePath(QStringLiteral("采购清单_%1_%2.csv").arg(m_listedFrom, m_listedTo));
    const auto& chooser = csvPathChooser();
    QString path = chooser ? chooser(this, suggested) : askForCsvPath(this, suggested);
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".csv");
    }
    const auto written = writePurchaseListCsv(ss(path), m_items);
    if (!written) {
        showRefusal(written);
        return;
    }
    showMessage(QStringLiteral("CSV文件已保存：%1").arg(QDir::toNativeSeparators(path)),
        QString::fromUtf8(kSystemPromptCaption));
}

} // namespace pelinor
