#include "gui/widgets/ComboBoxes.h"

#include "gui/widgets/StringConversion.h"

#include <QComboBox>

namespace pelinor {

void fillCombo(QComboBox* combo, const std::vector<std::string>& entries, int select)
{
    combo->clear();
    for (const auto& entry : entries) {
        combo->addItem(qs(entry));
    }
    combo->setCurrentIndex(select < combo->count() ? select : -1);
}

void selectComboText(QComboBox* combo, const QString& text)
{
    int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

} // namespace pelinor
