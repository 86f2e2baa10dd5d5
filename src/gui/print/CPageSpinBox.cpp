#include "gui/print/CPageSpinBox.h"

#include "reports/ReportPaging.h"

namespace pelinor {

CPageSpinBox::CPageSpinBox(int pageCount, QWidget* parent)
    : QSpinBox(parent)
    , m_pageCount(pageCount)
{
    setRange(0, 999999);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(this, &QSpinBox::editingFinished, this, &CPageSpinBox::clampNow);
}

int CPageSpinBox::clampedValue() const
{
    // valueFromText reads what is typed even before the field has taken it over.
    return clampPage(valueFromText(cleanText()), m_pageCount);
}

void CPageSpinBox::clampNow()
{
    setValue(clampedValue());
}

void CPageSpinBox::stepBy(int steps)
{
    setValue(clampPage(clampedValue() + steps, m_pageCount));
    selectAll();
}

QAbstractSpinBox::StepEnabled CPageSpinBox::stepEnabled() const
{
    const int page = clampedValue();
    StepEnabled enabled = StepNone;
    if (page > 1) {
        enabled |= StepDownEnabled;
    }
    if (page < m_pageCount) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

} // namespace pelinor
