#include "core/db/TextCodec.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(TextCodecTest, ChineseRoundTripsAndAsciiStaysAsItIs)
{
    const std::string samples[] = { "", "ABC 123 'x'", "大班", "胡萝卜炒肉丝（少油）", "维生素B6：0.7mg；" };
    for (const auto& utf8 : samples) {
        const std::string gbk = FromDatabaseText(utf8);
        std::string back = gbk;
        ToDatabaseText(back);
        EXPECT_EQ(back, utf8);
    }
    // Two GBK bytes a character, three UTF-8 bytes.
    EXPECT_EQ(FromDatabaseText("大班"), "\xB4\xF3\xB0\xE0");
    std::string gbk = "\xB4\xF3\xB0\xE0"
                      "A";
    ToDatabaseText(gbk);
    EXPECT_EQ(gbk, "大班A");
    EXPECT_EQ(gbk.size(), 7u);
}

TEST(TextCodecTest, TextWithoutAGbkFormBecomesQuestionMarks)
{
    // An emoji and a Korean syllable have no GBK form; the rest of the text survives.
    EXPECT_EQ(FromDatabaseText("苹果🍎"), FromDatabaseText("苹果") + "?");
    EXPECT_EQ(FromDatabaseText("a한b"), "a?b");
    // A lone lead byte at the end of GBK text is not half a character.
    std::string broken = "\xB4\xF3\xB0";
    ToDatabaseText(broken);
    EXPECT_EQ(broken, "大?");
}

} // namespace
