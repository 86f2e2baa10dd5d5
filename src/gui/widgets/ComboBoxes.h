#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;

namespace pelinor {

// Replaces a drop-down list's entries; no entry is selected afterwards when `select` is -1 (or
// beyond the last entry).
void fillCombo(QComboBox* combo, const std::vector<std::string>& entries, int select = 0);

// Selects the entry with this text. A stored value the list does not offer (an old class name, a
// value from an imported file) is added at the end and selected, so saving the form keeps it.
void selectComboText(QComboBox* combo, const QString& text);

} // namespace pelinor
