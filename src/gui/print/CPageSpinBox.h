#pragma once

#include <QSpinBox>

namespace pelinor {

// The page number field of the go-to dialog: typing takes any number from 0 to 999999, the arrows
// move within 1 … page count, and the number is brought into 1 … page count when the field loses
// the focus (clampedValue() gives it at any time).
class CPageSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit CPageSpinBox(int pageCount, QWidget* parent = nullptr);

    int clampedValue() const;
    void clampNow();

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_pageCount;
};

} // namespace pelinor
