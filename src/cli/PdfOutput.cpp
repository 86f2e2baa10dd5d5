#include "cli/PdfOutput.h"

#include "cli/CliCommand.h"
#include "reports/ReportApplication.h"
#include "reports/ReportOutput.h"

namespace pelinor::cli {

int writePdf(const std::string& command, const std::string& path, const std::function<Report()>& makeReport)
{
    ReportApplication application;
    const QString error = writeReportPdf(makeReport(), QString::fromStdString(path));
    if (!error.isEmpty()) {
        return fail(command, error.toStdString());
    }
    return 0;
}

} // namespace pelinor::cli
