#include "gui/library/NutrientBoxGrid.h"

#include "core/common/NumberFormat.h"
#include "gui/widgets/FormLabel.h"
#include "gui/widgets/StringConversion.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <cmath>

namespace pelinor {

NutrientBoxGrid::NutrientBoxGrid(bool editable, int columns, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns * 2;
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("nutrient%1").arg(i));
        box->setFixedWidth(72);
        box->setReadOnly(!editable);
        box->setAlignment(Qt::AlignRight);
        if (editable) {
            // Say at once when a box holds no number; OK then refuses with a message.
            connect(box, &QLineEdit::textChanged, this, [this, box] { markBox(box); });
        } else {
            box->setFocusPolicy(Qt::NoFocus);
            box->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(240,255,255); }"));
        }
        m_boxes[i] = box;
        grid->addWidget(formLabel(QString::fromUtf8(kNutrientLabels[i]), this), row, column);
        grid->addWidget(box, row, column + 1);
    }
}

QLineEdit* NutrientBoxGrid::box(std::size_t index) const
{
    return m_boxes.at(index);
}

QString NutrientBoxGrid::valueText(float value)
{
    // The catalogue keeps up to three decimals: show all of them, so that an unchanged OK writes the
    // very numbers that were stored, and none that are only zeros.
    std::string text = formatFixed(static_cast<double>(value), 3);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return qs(text == "-0" ? std::string("0") : text);
}

void NutrientBoxGrid::setValues(const NutrientVector& values)
{
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        m_boxes[i]->setText(valueText(static_cast<float>(values[i])));
    }
}

void NutrientBoxGrid::setSums(const NutrientSums& sums)
{
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        // "%.2f" with printf's rounding, as every number text of the program.
        m_boxes[i]->setText(qs(formatFixed(static_cast<double>(sums[i]), 2)));
    }
}

std::optional<float> NutrientBoxGrid::numberOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return 0.0f;
    }
    bool ok = false;
    const float value = QLocale::c().toFloat(trimmed, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::size_t> NutrientBoxGrid::firstInvalidBox() const
{
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        if (!numberOf(m_boxes[i]->text())) {
            return i;
        }
    }
    return std::nullopt;
}

NutrientVector NutrientBoxGrid::values() const
{
    NutrientVector values;
    for (std::size_t i = 0; i < kNutrientCount; ++i) {
        values[i] = numberOf(m_boxes[i]->text()).value_or(0.0f);
    }
    return values;
}

void NutrientBoxGrid::markBox(QLineEdit* box)
{
    const bool bad = !numberOf(box->text());
    box->setStyleSheet(bad ? QStringLiteral("QLineEdit { background: rgb(255,225,225); }") : QString());
    box->setToolTip(bad ? QStringLiteral("请输入一个数字。") : QString());
}

} // namespace pelinor
