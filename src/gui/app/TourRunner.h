#pragma once

#include <QString>

namespace pelinor {

// `pelinor --tour DIR`: logs in as the administrator on the data folder the program finds
// (PELINOR_DATA_DIR), shows the login, every page and sub-page and the tour's dialogs in turn,
// saves each as a PNG into DIR and returns the exit code.
int runTour(const QString& folder);

} // namespace pelinor
