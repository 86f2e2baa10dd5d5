#pragma once

class QHBoxLayout;
class QLayout;
class QWidget;

namespace pelinor {

// Rows that keep what they hold at its natural width in the middle, however wide the window grows
// (the login dialog and the password page centre their form and their two buttons this way).
QHBoxLayout* centredRow(QLayout* content);
QHBoxLayout* centredRow(QWidget* first, int gap, QWidget* second);

} // namespace pelinor
