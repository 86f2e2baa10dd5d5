#include "gui/health/HealthUi.h"

#include "core/common/Clock.h"
#include "core/records/Classes.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/ComboBoxes.h"
#include "gui/widgets/DatabaseError.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace pelinor {

namespace {

const char* const kDateFormat = "yyyy-MM-dd";

} // namespace

QDate programToday()
{
    const DateTime today = programClock().today();
    return QDate(today.year, today.month, today.day);
}

QDateEdit* healthDatePicker(const QString& objectName, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(objectName);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QString::fromLatin1(kDateFormat));
    picker->setMinimumWidth(120);
    picker->setDate(programToday());
    return picker;
}

std::string pickedDate(const QDateEdit* picker)
{
    return ss(picker->date().toString(QString::fromLatin1(kDateFormat)));
}

void showStoredDate(QDateEdit* picker, const std::string& text)
{
    const QDate date = QDate::fromString(qs(text), QString::fromLatin1(kDateFormat));
    picker->setDate(date.isValid() ? date : programToday());
}

DateRange pickedRange(const QDateEdit* from, const QDateEdit* to)
{
    return { pickedDate(from), pickedDate(to) };
}

namespace {

CPictureButton* ownButton(const QString& objectName, const QString& svg, const QString& caption, QWidget* parent)
{
    auto* button = makeActionButton(svg, caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

} // namespace

CPictureButton* printButton(const QString& objectName, QWidget* parent)
{
    return ownButton(objectName, QStringLiteral(":/health/sym-print.svg"), QStringLiteral("打印"), parent);
}

CPictureButton* dueButton(const QString& objectName, QWidget* parent)
{
    return ownButton(objectName, QStringLiteral(":/health/sym-due.svg"), QStringLiteral("待接种"), parent);
}

QHBoxLayout* saveCancelRow(QDialog* dialog)
{
    auto* save = new QPushButton(QStringLiteral("保存"), dialog);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(save, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    return row;
}

bool loadClassCombo(QComboBox* combo)
{
    const QString chosen = combo->currentText();
    const auto classes = runDatabaseWork([] { return loadClassNames(); });
    if (!classes) {
        return false;
    }
    fillCombo(combo, *classes);
    const int index = combo->findText(chosen);
    if (index >= 0) {
        combo->setCurrentIndex(index);
    }
    return true;
}

int appendRecordRow(CListCtrlCl* list, int id, const QStringList& texts)
{
    const int row = list->appendRow(texts);
    if (auto* first = list->item(row, 0)) {
        first->setData(Qt::UserRole, id);
    }
    return row;
}

std::optional<int> selectedRecordId(const CListCtrlCl* list)
{
    const int row = list->selectedRow();
    if (row < 0) {
        return std::nullopt;
    }
    return recordIdAt(list, row);
}

int recordIdAt(const CListCtrlCl* list, int row)
{
    const auto* first = list->item(row, 0);
    return first ? first->data(Qt::UserRole).toInt() : -1;
}

} // namespace pelinor
