#pragma once

#include "reports/ReportFonts.h"

#include <QColor>
#include <QFont>

namespace pelinor {

// The shared colours of every page.
inline const QColor kWhiteBrushColor(255, 255, 255);
inline const QColor kPaleBrushColor(240, 255, 255);
inline const QColor kSkyBrushColor(0, 199, 255);

// "宋体" as the screens ask for it, with CJK fallbacks, so the glyphs render on any Linux desktop.
QFont songFont(int pixelHeight);
// The same for the Latin faces the reports name ("Arial", "Times New Roman").
QFont namedFont(const QString& family, int pixelHeight);
// Every requested font falls back to cjkFallbackFamilies() (shared with the reports).

} // namespace pelinor
