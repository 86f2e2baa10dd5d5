#include "reports/AnalysisReport.h"

#include "core/analysis/AnalysisReportTables.h"
#include "reports/ReportCanvas.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPaging.h"
#include "reports/ReportTable.h"

#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace pelinor {

namespace {

constexpr double kLeft = ReportCanvas::kMarginMm;
constexpr double kWidth = ReportCanvas::kPageWidthMm - 2 * ReportCanvas::kMarginMm;
constexpr double kTop = ReportCanvas::kBodyTopMm;
constexpr double kBottom = ReportCanvas::kBodyBottomMm;
constexpr double kTitlePoints = 19;
constexpr double kBlockPoints = 12;
constexpr double kSectionPoints = 12;
constexpr double kTablePoints = 10;
constexpr double kBlockLineMm = 7;
constexpr double kSectionMm = 8;
constexpr double kHeadingMm = 7;
constexpr double kRowMm = 6.5;
constexpr double kTextLineMm = 5;
constexpr double kGapMm = 3;
// The menu table gives up row height, down to this, to stay on the first page.
constexpr double kSmallestMenuRowMm = 4.5;
// Lines are broken a little short of the width, so they fit at any resolution.
constexpr double kWrapReserve = 0.96;

using Paint = std::function<void(ReportCanvas& canvas, double topMm, bool printing)>;

struct Placed
{
    int page = 1;
    double top = 0;
    Paint paint;
};

// The report laid out once, in millimetres: what goes on which page at which height. Painting a
// page only replays its part, so the preview, the printer and a PDF show the same pages.
struct Layout
{
    std::vector<Placed> items;
    int pages = 1;
    QString dayDate;
};

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

template <std::size_t N> QStringList cells(const std::array<std::string, N>& row)
{
    QStringList list;
    for (const std::string& cell : row) {
        list << q(cell);
    }
    return list;
}

// Places blocks from the top of the body downwards and starts a new page when a block does not
// fit, so nothing is drawn outside a page.
class Flow
{
public:
    explicit Flow(ReportCanvas& measure)
        : m_measure(measure)
    {
    }

    int page() const
    {
        return m_page;
    }
    double top() const
    {
        return m_top;
    }
    double room() const
    {
        return kBottom - m_top;
    }
    std::vector<Placed> takeItems()
    {
        return std::move(m_items);
    }

    void newPage()
    {
        ++m_page;
        m_top = kTop;
    }
    // Moves on to page `page` unless the report has already run onto it.
    void startPage(int page)
    {
        while (m_page < page) {
            newPage();
        }
    }
    void gap(double mm)
    {
        m_top += mm;
    }
    // A block `height` high; `keep` more millimetres must follow it on the same page.
    void place(double height, Paint paint, double keep = 0)
    {
        if (m_top + height + keep > kBottom + 1e-6 && m_top > kTop + 1e-6) {
            newPage();
        }
        m_items.push_back({ m_page, m_top, std::move(paint) });
        m_top += height;
    }

    // A section title ("摄入食物种类比较"), kept with the first line of what follows.
    void section(const QString& text, double keep)
    {
        place(
            kSectionMm,
            [text](ReportCanvas& canvas, double top, bool) {
                canvas.drawText(QRectF(kLeft, top, kWidth, kSectionMm), text, canvas.font(kSectionPoints, true),
                    Qt::AlignLeft | Qt::AlignVCenter);
            },
            keep);
    }

    // A text wrapped to the width, line by line, so a long text runs onto the next page.
    void paragraph(const QString& text, double points, double lineMm)
    {
        for (const QString& line : wrap(text, points)) {
            place(lineMm, [line, points, lineMm](ReportCanvas& canvas, double top, bool) {
                canvas.drawFittedText(
                    QRectF(kLeft, top, kWidth, lineMm), line, canvas.font(points), Qt::AlignLeft | Qt::AlignVCenter);
            });
        }
    }

    // A ruled table: its heading (again at the top of every page it runs onto) and its rows.
    // `headingTitles` gives the titles for the screen (false) or for paper (true).
    void table(const std::vector<ReportColumn>& columns,
        const std::function<QStringList(bool)>& headingTitles,
        const std::vector<QStringList>& rows,
        double rowMm)
    {
        const auto heading = [columns, headingTitles](ReportCanvas& canvas, double top, bool printing) {
            std::vector<ReportColumn> titled = columns;
            const QStringList titles = headingTitles(printing);
            for (std::size_t i = 0; i < titled.size() && static_cast<qsizetype>(i) < titles.size(); ++i) {
                titled[i].title = titles[static_cast<qsizetype>(i)];
            }
            ReportTable(canvas, kLeft, titled).drawHeading(top, kHeadingMm, canvas.font(kTablePoints, true));
        };
        place(kHeadingMm, heading, rows.empty() ? 0 : rowMm);
        int page = m_page;
        for (const QStringList& row : rows) {
            if (m_top + rowMm > kBottom + 1e-6) {
                newPage();
            }
            if (m_page != page) {
                place(kHeadingMm, heading);
                page = m_page;
            }
            place(rowMm, [columns, row, rowMm](ReportCanvas& canvas, double top, bool) {
                ReportTable(canvas, kLeft, columns).drawRow(top, rowMm, row, canvas.font(kTablePoints));
            });
        }
    }

private:
    QStringList wrap(const QString& text, double points) const
    {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QStringList lines;
        const QFont font = m_measure.font(points);
        const double width = m_measure.x(kWidth) * kWrapReserve;
        for (const QString& part : plain.split(QLatin1Char('\n'))) {
            if (part.isEmpty()) {
                lines << QString();
                continue;
            }
            QTextLayout layout(part, font, m_measure.painter().device());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lines << part.mid(line.textStart(), line.textLength());
            }
            layout.endLayout();
        }
        return lines;
    }

    ReportCanvas& m_measure;
    std::vector<Placed> m_items;
    int m_page = 1;
    double m_top = kTop;
};

// Label and value pairs in two columns of the subject block.
struct Pair
{
    QString label;
    QString value;
};

Paint pairPaint(const Pair& pair, double left, double labelMm, double valueMm)
{
    return [pair, left, labelMm, valueMm](ReportCanvas& canvas, double top, bool) {
        canvas.drawFittedText(QRectF(left, top, labelMm, kBlockLineMm), pair.label, canvas.font(kBlockPoints, true),
            Qt::AlignLeft | Qt::AlignVCenter);
        canvas.drawFittedText(QRectF(left + labelMm, top, valueMm, kBlockLineMm), pair.value, canvas.font(kBlockPoints),
            Qt::AlignLeft | Qt::AlignVCenter);
    };
}

// One line of the block with a pair on the left and, if given, one on the right.
void pairLine(Flow& flow, const Pair& left, const std::optional<Pair>& right)
{
    constexpr double labelMm = 32;
    constexpr double valueMm = kWidth / 2 - labelMm;
    const Paint first = pairPaint(left, kLeft, labelMm, valueMm);
    const Paint second = right ? pairPaint(*right, kLeft + kWidth / 2, labelMm, valueMm) : Paint {};
    flow.place(kBlockLineMm, [first, second](ReportCanvas& canvas, double top, bool printing) {
        first(canvas, top, printing);
        if (second) {
            second(canvas, top, printing);
        }
    });
}

void layOutSubject(Flow& flow, const PlanDayAnalysis& analysis)
{
    const SubjectHeader& s = analysis.subject;
    if (s.personal) {
        pairLine(
            flow, { QStringLiteral("姓    名："), q(s.subjects) }, Pair { QStringLiteral("出生日期："), q(s.birth) });
        pairLine(flow, { QStringLiteral("性    别："), q(s.sex) },
            Pair { QStringLiteral("身    高："), q(s.height) + QStringLiteral("cm") });
        pairLine(flow, { QStringLiteral("体    重："), q(s.weight) + QStringLiteral("kg") },
            Pair { QStringLiteral("年    龄："), q(s.ageText) });
        pairLine(flow, { QStringLiteral("血    型："), q(s.bloodType) },
            Pair { QStringLiteral("KAUP指数："), q(s.kaupText) });
        pairLine(flow, { QStringLiteral("ROHRER指数："), q(s.rohrerText) }, std::nullopt);
        flow.paragraph(QStringLiteral("体重/身高评价：") + q(s.evaluationText), kBlockPoints, kBlockLineMm);
        return;
    }
    flow.paragraph(QStringLiteral("班      级：") + q(s.subjects), kBlockPoints, kBlockLineMm);
    // Boys on the left, girls on the right, written in the order the block reads: the two counts,
    // then the boys' age, height and weight, then the girls'.
    const auto line = [&flow](const std::string& left, const std::string& right) {
        const QString a = q(left);
        const QString b = q(right);
        flow.place(kBlockLineMm, [a, b](ReportCanvas& canvas, double top, bool) {
            const QFont font = canvas.font(kBlockPoints);
            if (!a.isEmpty()) {
                canvas.drawFittedText(
                    QRectF(kLeft, top, kWidth / 2, kBlockLineMm), a, font, Qt::AlignLeft | Qt::AlignVCenter);
            }
            if (!b.isEmpty()) {
                canvas.drawFittedText(QRectF(kLeft + kWidth / 2, top, kWidth / 2, kBlockLineMm), b, font,
                    Qt::AlignLeft | Qt::AlignVCenter);
            }
        });
    };
    line(s.boys.countText, s.girls.countText);
    const double top = flow.top();
    line(s.boys.ageText, {});
    line(s.boys.heightText, {});
    line(s.boys.weightText, {});
    // The girls' lines stand beside the boys'.
    const std::array<QString, 3> girls { q(s.girls.ageText), q(s.girls.heightText), q(s.girls.weightText) };
    flow.place(0, [girls, top](ReportCanvas& canvas, double, bool) {
        for (int i = 0; i < 3; ++i) {
            canvas.drawFittedText(QRectF(kLeft + kWidth / 2, top + i * kBlockLineMm, kWidth / 2, kBlockLineMm),
                girls[static_cast<std::size_t>(i)], canvas.font(kBlockPoints), Qt::AlignLeft | Qt::AlignVCenter);
        }
    });
}

std::function<QStringList(bool)> titles(QStringList list)
{
    return [list](bool) { return list; };
}

std::vector<ReportColumn> columns(const std::vector<double>& widths, const QString& alignments)
{
    std::vector<ReportColumn> list;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const QChar a = i < static_cast<std::size_t>(alignments.size()) ? alignments[static_cast<qsizetype>(i)]
                                                                        : QLatin1Char('c');
        const Qt::Alignment horizontal = a == QLatin1Char('l') ? Qt::AlignLeft
            : a == QLatin1Char('r')                            ? Qt::AlignRight
                                                               : Qt::AlignHCenter;
        list.push_back({ QString(), widths[i], static_cast<int>(horizontal | Qt::AlignVCenter) });
    }
    return list;
}

template <std::size_t N> std::vector<QStringList> rowsOf(const std::vector<std::array<std::string, N>>& rows)
{
    std::vector<QStringList> list;
    for (const auto& row : rows) {
        list.push_back(cells(row));
    }
    return list;
}

Layout layOut(const AnalysisReportData& data, ReportCanvas& measure)
{
    const PlanDayAnalysis& a = data.analysis;
    const AnalysisReportTables tables = analysisReportTables(a);
    Flow flow(measure);

    // Page 1: the title, the subject and the day's menu.
    flow.place(12, [](ReportCanvas& canvas, double top, bool) {
        canvas.drawText(QRectF(kLeft, top, kWidth, 12), QStringLiteral("营养配餐报告"), canvas.font(kTitlePoints, true),
            Qt::AlignCenter);
    });
    if (!a.subject.archId.empty()) {
        flow.paragraph(QStringLiteral("档案编号:") + q(a.subject.archId), kBlockPoints, kBlockLineMm);
    }
    flow.gap(2);
    layOutSubject(flow, a);
    flow.gap(kGapMm);
    const std::vector<QStringList> menu = rowsOf(tables.menu);
    // The rows share what the first page has left, between the usual height and the smallest.
    const double menuRoom = flow.room() - kSectionMm - kHeadingMm;
    const double menuRow
        = menu.empty() ? kRowMm : std::clamp(menuRoom / static_cast<double>(menu.size()), kSmallestMenuRowMm, kRowMm);
    flow.section(QStringLiteral("每日配餐信息:单位：能量为kcal；其余为g"), kHeadingMm + menuRow);
    flow.table(columns({ 14, 46, 18, 20, 20, 20, 24 }, QStringLiteral("clrrrrr")),
        titles({ QStringLiteral("餐次"), QStringLiteral("名称"), QStringLiteral("重量"), QStringLiteral("能量"),
            QStringLiteral("蛋白质"), QStringLiteral("脂肪"), QStringLiteral("碳水化合物") }),
        menu, menuRow);

    // Page 2: food groups, their evaluation, and the nutrients against the standard (running onto page 3).
    flow.startPage(2);
    flow.section(QStringLiteral("摄入食物种类比较"), kHeadingMm + kRowMm);
    flow.table(columns({ 40, 40, 40, 42 }, QStringLiteral("lrrc")),
        titles({ QStringLiteral("食物种类"), QStringLiteral("参考摄入量"), QStringLiteral("实际摄入量"),
            QStringLiteral("食物种类评价") }),
        rowsOf(tables.foodGroups), kRowMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("食物种类评价与建议"), kTextLineMm);
    flow.paragraph(q(a.dietStructure.text), kTablePoints, kTextLineMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("各营养素与国家标准比较"), kHeadingMm + kRowMm);
    flow.table(
        columns({ 36, 32, 32, 34, 28 }, QStringLiteral("lrrrc")),
        [](bool printing) {
            return QStringList { QStringLiteral("营养素名称"), QStringLiteral("标准摄入量"),
                QStringLiteral("实际摄入量"),
                printing ? QStringLiteral("占标准摄入量比例") : QStringLiteral("占标准比例"),
                QStringLiteral("营养素评价") };
        },
        rowsOf(tables.nutrients), kRowMm);

    // Page 3: the nutrient evaluation, the energy sources, the fat and protein sources.
    flow.gap(kGapMm);
    flow.section(QStringLiteral("营养素评价与建议"), kTextLineMm);
    flow.paragraph(q(a.nutrients.text), kTablePoints, kTextLineMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("能量摄入情况"), kHeadingMm + kRowMm);
    flow.table(columns({ 54, 54, 54 }, QStringLiteral("lrr")),
        titles({ QStringLiteral("食物种类"), QStringLiteral("摄入量"), QStringLiteral("占总摄入量比") }),
        rowsOf(tables.energySources), kRowMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("能量食物来源评价与建议"), kTextLineMm);
    flow.paragraph(data.energyEvaluation, kTablePoints, kTextLineMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("脂肪来源分布"), kHeadingMm + kRowMm);
    flow.table(columns({ 81, 81 }, QStringLiteral("lr")),
        titles({ QStringLiteral("脂肪名称"), QStringLiteral("所占比例") }), rowsOf(tables.fatSources), kRowMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("蛋白质来源分布"), kHeadingMm + kRowMm);
    flow.table(columns({ 81, 81 }, QStringLiteral("lr")),
        titles({ QStringLiteral("蛋白质名称"), QStringLiteral("实际值") }), rowsOf(tables.proteinSources), kRowMm);

    // Page 4: the macronutrient ratios and the overall evaluation.
    flow.startPage(4);
    if (flow.top() > kTop) {
        flow.gap(kGapMm);
    }
    flow.place(
        kSectionMm,
        [](ReportCanvas& canvas, double top, bool printing) {
            canvas.drawText(QRectF(kLeft, top, kWidth, kSectionMm),
                printing ? QStringLiteral("三大营养素摄入比例与国家标准比较")
                         : QStringLiteral("三大营养素摄入比例和国家标准比较"),
                canvas.font(kSectionPoints, true), Qt::AlignLeft | Qt::AlignVCenter);
        },
        kHeadingMm + kRowMm);
    flow.table(columns({ 54, 54, 54 }, QStringLiteral("lrr")),
        titles({ QStringLiteral("餐次"), QStringLiteral("实际值"), QStringLiteral("参考值") }), rowsOf(tables.ratios),
        kRowMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("三餐营养素评价与建议"), kTextLineMm);
    flow.paragraph(q(a.macronutrients.text), kTablePoints, kTextLineMm);
    flow.gap(kGapMm);
    flow.section(QStringLiteral("营养师综合评价与建议："), kTextLineMm);
    flow.paragraph(data.overallEvaluation, kTablePoints, kTextLineMm);

    Layout layout;
    layout.pages = flow.page();
    layout.items = flow.takeItems();
    layout.dayDate = q(a.plan.dayDate);
    return layout;
}

// The layout on a device of the PDF's resolution, where fonts are measured most finely.
Layout layOut(const AnalysisReportData& data)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(kPdfResolution / 0.0254 + 0.5);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&device);
    ReportCanvas measure(painter);
    return layOut(data, measure);
}

void drawAnalysisPage(QPainter& painter, const ReportPageInfo& info, const Layout& layout)
{
    ReportCanvas canvas(painter);
    if (!canvas.isReady()) {
        return;
    }
    canvas.drawPageFrame();
    // The top line: the day's date on the left, the page on the right.
    const QRectF line(kLeft, ReportCanvas::kHeaderTopMm, kWidth, 6);
    canvas.drawText(line, reportDateText(layout.dayDate), canvas.font(kTablePoints), Qt::AlignLeft | Qt::AlignVCenter);
    canvas.drawText(line, pageFooterText(info.currentPage, info.pageCount), canvas.font(kTablePoints),
        Qt::AlignRight | Qt::AlignVCenter);
    for (const Placed& item : layout.items) {
        if (item.page == info.currentPage) {
            item.paint(canvas, item.top, info.printing);
        }
    }
}

} // namespace

Report makeAnalysisReport(const AnalysisReportData& data)
{
    auto layout = std::make_shared<const Layout>(layOut(data));
    ReportPageInfo info;
    // 110 rows make the four pages; a longer report asks for the rows of its pages.
    info.itemCount = layout->pages <= 4 ? 110 : kRowsOnFirstPage + kRowsOnFurtherPages * (layout->pages - 2) + 1;
    return Report(QStringLiteral("营养配餐报告"), std::move(info),
        [layout](QPainter& painter, const ReportPageInfo& page) { drawAnalysisPage(painter, page, *layout); });
}

} // namespace pelinor
