#include "reports/ReportFonts.h"

#include <cmath>

namespace pelinor {

QStringList cjkFallbackFamilies()
{
    return { QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
        QStringLiteral("Droid Sans Fallback") };
}

QFont reportFont(double points, bool bold, int dpiY)
{
    QFont font;
    font.setFamilies(QStringList { QStringLiteral("宋体"), QStringLiteral("SimSun") } + cjkFallbackFamilies());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpiY / 72.0))));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Glyph outlines as they are, not snapped to the pixel grid: the same widths on screen and paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont applicationFont()
{
    QFont font;
    font.setFamilies(cjkFallbackFamilies());
    font.setPointSize(10);
    return font;
}

} // namespace pelinor
