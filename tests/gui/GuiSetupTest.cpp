#include "gui/widgets/SkinFonts.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLocale>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(GuiSetupTest, StandardButtonsAndDatesAreChinese)
{
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);
    EXPECT_EQ(QLocale().territory(), QLocale::China);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "是(&Y)");
}

TEST(GuiSetupTest, EveryRequestedFamilyRendersChineseGlyphs)
{
    for (const QFont& font : { songFont(12), namedFont("Arial", 12), namedFont("Times New Roman", 12) }) {
        const QFontMetrics metrics(font);
        for (const QChar c : QStringLiteral("营养配餐档案")) {
            EXPECT_TRUE(metrics.inFontUcs4(c.unicode())) << font.family().toStdString();
        }
    }
}

} // namespace
