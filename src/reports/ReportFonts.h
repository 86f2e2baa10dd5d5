#pragma once

#include <QFont>
#include <QStringList>

namespace pelinor {

// The CJK families every font of the program falls back to, so Chinese renders (and a PDF's text
// extracts) on any Linux machine with WenQuanYi Micro Hei or Noto CJK installed.
QStringList cjkFallbackFamilies();

// "宋体" (SimSun where it exists) with the CJK fallbacks, `points` high on a device of `dpiY` dots
// per inch: points × dpiY / 72 pixels, rounded. Weight 700 when bold, 400 otherwise.
QFont reportFont(double points, bool bold, int dpiY);

// The font the program writes everything else with: WenQuanYi Micro Hei at 10 points.
QFont applicationFont();

} // namespace pelinor
