#include "gui/records/RecordsUi.h"

#include "core/common/AppInfo.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/DatabaseError.h"
#include "gui/widgets/Prompter.h"

#include <QComboBox>

namespace pelinor {

CPictureButton* recordsButton(const QString& objectName, const QString& symbol, const QString& caption, QWidget* parent)
{
    auto* button = makeActionButton(QStringLiteral(":/skin/sym-%1.svg").arg(symbol), caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

CPictureButton* arrowButton(const QString& objectName, const QString& arrow, QWidget* parent)
{
    const QSize size(48, 32);
    auto* button = new CPictureButton(pictureIcon(QStringLiteral(":/skin/btn-%1.svg").arg(arrow),
                                          QStringLiteral(":/skin/btn-%1-down.svg").arg(arrow), size),
        size, parent);
    button->setObjectName(objectName);
    return button;
}

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

void showRefusal(const RecordOutcome& outcome)
{
    showMessage(qs(outcome.message), qs(outcome.caption));
}

void showMessage(const QString& text, const QString& caption)
{
    prompter().info(text, caption.isEmpty() ? QString::fromUtf8(kApplicationTitle) : caption);
}

} // namespace pelinor
