#include "gui/app/DataFolderGate.h"

#include "core/common/AppInfo.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace pelinor {

bool DataFolderGate::pass(DataFolderCheck check, const Asker& ask)
{
    while (!check.ok()) {
        const std::string text = check.message();
        std::fprintf(stderr, "pelinor: %s", text.c_str());
        std::fflush(stderr);
        const bool canRetry = check.worthRetrying();
        if (!ask || ask(QString::fromStdString(text), canRetry) != Answer::Retry || !canRetry) {
            return false;
        }
        check = DataFolderCheck::run(check.folder());
    }
    return true;
}

DataFolderGate::Answer DataFolderGate::askWithMessageBox(const QString& text, bool canRetry)
{
    QMessageBox box(canRetry ? QMessageBox::Warning : QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text,
        QMessageBox::NoButton);
    box.setObjectName(QStringLiteral("dataFolderProblem"));
    box.setTextFormat(Qt::PlainText); // paths are text, never markup
    QPushButton* retry = canRetry ? box.addButton(QStringLiteral("重试"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* quit = box.addButton(QStringLiteral("退出"), QMessageBox::RejectRole);
    box.setDefaultButton(retry ? retry : quit);
    box.setEscapeButton(quit);
    box.exec();
    return retry && box.clickedButton() == retry ? Answer::Retry : Answer::Quit;
}

DataFolderGate::Asker DataFolderGate::defaultAsker()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return {};
    }
    return &DataFolderGate::askWithMessageBox;
}

} // namespace pelinor
