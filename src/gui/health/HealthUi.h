#pragma once

#include "core/health/DateRange.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QComboBox;
class QDateEdit;
class QDialog;
class QHBoxLayout;
class QWidget;

namespace pelinor {

class CListCtrlCl;
class CPictureButton;

// Small pieces the examination, attendance and immunisation screens share.

// The caption of the list pages' delete confirmation.
inline const char* const kDeleteCaption = "系统提示！";

// Today by the program's clock.
QDate programToday();

// A date picker with the calendar popup, showing "yyyy-MM-dd".
QDateEdit* healthDatePicker(const QString& objectName, QWidget* parent);
// The picker's date as stored ("%Y-%m-%d").
std::string pickedDate(const QDateEdit* picker);
// Shows a stored date; one that cannot be read shows today.
void showStoredDate(QDateEdit* picker, const std::string& text);
// The range of two pickers, both days included.
DateRange pickedRange(const QDateEdit* from, const QDateEdit* to);

// The picture buttons of the health pages with symbols of their own (the others are actionButton's):
// the printer and the calendar of due vaccinations.
CPictureButton* printButton(const QString& objectName, QWidget* parent);
CPictureButton* dueButton(const QString& objectName, QWidget* parent);

// The button row of the health forms: 保存 (the default, accepting the dialog) and 取消 at the right.
QHBoxLayout* saveCancelRow(QDialog* dialog);

// Fills a class drop-down with the classes in stored order, keeping the chosen class when it is
// still there (else the first). False when the database could not be read.
bool loadClassCombo(QComboBox* combo);

// A list row that carries its record's number, and the number of the selected row.
int appendRecordRow(CListCtrlCl* list, int id, const QStringList& texts);
std::optional<int> selectedRecordId(const CListCtrlCl* list);
int recordIdAt(const CListCtrlCl* list, int row);

} // namespace pelinor
