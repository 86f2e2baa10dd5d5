#include "gui/analysis/CYypcYyybzbdDlg.h"

#include "core/analysis/StandardComparison.h"
#include "gui/analysis/AnalysisPageParts.h"
#include "gui/widgets/CListCtrlCl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

namespace {

QLabel* legend(const QString& text, CellColour colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, cellTextColour(colour));
    label->setPalette(palette);
    return label;
}

// Five rows of four name/value pairs, the names filled in.
void prepare(CListCtrlCl* list, const std::array<std::string_view, kComparisonColumnCount>& headers)
{
    list->setColumns(rowTexts(headers));
    list->setFixedHeight((kComparisonRowCount + 1) * CListCtrlCl::kSkinnedRowHeight + 12);
    list->setAlignmentString(QStringLiteral("02020202"));
    for (int row = 0; row < kComparisonRowCount; ++row) {
        QStringList texts;
        for (int pair = 0; pair < 4; ++pair) {
            texts << QString::fromUtf8(std::string(kComparisonSlots[static_cast<std::size_t>(row * 4 + pair)].name))
                  << QString();
        }
        list->appendRow(texts);
    }
}

} // namespace

CYypcYyybzbdDlg::CYypcYyybzbdDlg(QWidget* parent)
    : CSkinPage(parent)
    , m_reference(analysisList(QStringLiteral("referenceList"), this))
    , m_actual(analysisList(QStringLiteral("actualList"), this))
{
    prepare(m_reference, kReferenceListHeaders);
    prepare(m_actual, kActualListHeaders);

    auto* legends = new QHBoxLayout;
    legends->addWidget(legend(QStringLiteral("红色：过量"), CellColour::Red, this));
    legends->addSpacing(24);
    legends->addWidget(legend(QStringLiteral("蓝色：不足"), CellColour::Blue, this));
    legends->addSpacing(24);
    legends->addWidget(legend(QStringLiteral("黑色：正常）"), CellColour::Black, this));
    legends->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(sectionLabel(QStringLiteral("营养素目标值："), this));
    layout->addWidget(m_reference);
    layout->addSpacing(6);
    layout->addLayout(legends);
    layout->addSpacing(6);
    layout->addWidget(m_actual);
    layout->addStretch();
}

void CYypcYyybzbdDlg::load(const StandardComparison& comparison)
{
    m_actual->clearCellColors();
    for (int slot = 0; slot < kComparisonSlotCount; ++slot) {
        const ComparisonCell& cell = comparison.cells[static_cast<std::size_t>(slot)];
        const int row = StandardComparison::rowOf(slot);
        const int column = StandardComparison::valueColumnOf(slot);
        m_reference->setItemText(row, column, QString::fromStdString(cell.referenceText));
        m_actual->setItemText(row, column, QString::fromStdString(cell.actualText));
        if (cell.colour != CellColour::Black) {
            m_actual->setCellTextColor(row, column, cellTextColour(cell.colour));
        }
    }
}

} // namespace pelinor
