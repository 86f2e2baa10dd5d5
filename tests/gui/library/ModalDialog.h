#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace pelinor::test {

// Answers the next modal dialog a handler opens: once it runs, `handle` gets it and must end it
// (accept, reject or OK). A dialog of the wrong kind is rejected and the test fails.
template <typename Dialog> void whenDialogOpens(std::function<void(Dialog&)> handle)
{
    QTimer::singleShot(0, [handle] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "expected a modal " << Dialog::staticMetaObject.className();
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->reject();
            }
            return;
        }
        handle(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << Dialog::staticMetaObject.className() << " left open";
            dialog->reject();
        }
    });
}

} // namespace pelinor::test
