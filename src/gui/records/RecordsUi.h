#pragma once

#include "core/records/RecordOutcome.h"

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace pelinor {

class CPictureButton;

// Small pieces the class and archive screens share.

// An action button of the records screens: the symbol ":/skin/sym-SYMBOL.svg" and its caption,
// drawn into the button's pictures (the button itself carries no text).
CPictureButton* recordsButton(
    const QString& objectName, const QString& symbol, const QString& caption, QWidget* parent);

// One of the four arrow buttons between two child lists ("right", "right-all", "left", "left-all").
CPictureButton* arrowButton(const QString& objectName, const QString& arrow, QWidget* parent);

// Replaces a drop-down list's entries; no entry is selected afterwards when `select` is -1.
void fillCombo(QComboBox* combo, const std::vector<std::string>& entries, int select = 0);

// Selects the entry with this text. A stored value the list does not offer (an old class name, a
// value from an imported file) is added at the end and selected, so saving the form keeps it.
void selectComboText(QComboBox* combo, const QString& text);

// Shows a refusal of a records action (no caption of its own means the program's title).
void showRefusal(const RecordOutcome& outcome);
// The same for a plain message with an optional caption.
void showMessage(const QString& text, const QString& caption = {});

} // namespace pelinor
