#pragma once

#include "reports/Report.h"

#include <functional>
#include <string>

namespace pelinor::cli {

// Writes the report that `makeReport` builds to the PDF file at `path`. The report is built only
// once the fonts are ready. Returns 0, or prints why the file could not be written and returns 1.
int writePdf(const std::string& command, const std::string& path, const std::function<Report()>& makeReport);

} // namespace pelinor::cli
