#include "gui/widgets/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace pelinor {

namespace {

QWidget* owner()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

void MessageBoxPrompter::info(const QString& text, const QString& caption)
{
    QMessageBox::information(owner(), caption, text, QMessageBox::Ok);
}

void MessageBoxPrompter::warn(const QString& text, const QString& caption)
{
    QMessageBox::warning(owner(), caption, text, QMessageBox::Ok);
}

void MessageBoxPrompter::error(const QString& text, const QString& caption)
{
    QMessageBox::critical(owner(), caption, text, QMessageBox::Ok);
}

bool MessageBoxPrompter::confirm(const QString& text, const QString& caption)
{
    return QMessageBox::question(owner(), caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool MessageBoxPrompter::askYesNo(const QString& text, const QString& caption)
{
    return QMessageBox::question(owner(), caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace pelinor
