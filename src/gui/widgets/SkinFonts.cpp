#include "gui/widgets/SkinFonts.h"

#include <QStringList>

namespace pelinor {

QFont namedFont(const QString& family, int pixelHeight)
{
    QFont font;
    font.setFamilies(QStringList { family } + cjkFallbackFamilies());
    if (pixelHeight > 0) {
        font.setPixelSize(pixelHeight);
    }
    return font;
}

QFont songFont(int pixelHeight)
{
    QFont font;
    font.setFamilies(QStringList { QStringLiteral("宋体"), QStringLiteral("SimSun") } + cjkFallbackFamilies());
    if (pixelHeight > 0) {
        font.setPixelSize(pixelHeight);
    }
    return font;
}

} // namespace pelinor
