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

// Every two-byte GBK code that names a character, and the one-byte euro sign 0x80, come back as they
// were, also between ASCII and beside each other, where a misread byte would shift every later one.
TEST(TextCodecTest, EveryGbkCharacterComesBackAsItWas)
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string gbk { static_cast<char>(lead), static_cast<char>(trail) };
            std::string utf8 = gbk;
            ToDatabaseText(utf8);
            if (utf8.find('?') != std::string::npos) {
                continue; // no character there
            }
            ++characters;
            const std::string text = "a" + gbk + "\x80" + gbk + "1";
            std::string converted = text;
            ToDatabaseText(converted);
            ASSERT_EQ(FromDatabaseText(converted), text) << std::hex << lead << " " << trail;
        }
    }
    // Python's gbk codec decodes 21791 two-byte codes; the system's GBK must know at least those.
    EXPECT_GE(characters, 21791);
}

// Broken input: each broken piece becomes one "?" and the text after it survives. The expected
// bytes are Python's (decode with errors="replace", the same rule for UTF-8; GBK 0x80 is "€").
TEST(TextCodecTest, ABrokenPieceBecomesOneQuestionMarkAndSparesItsNeighbours)
{
    struct Case
    {
        const char* utf8;
        const char* gbk;
    };
    const Case toGbk[] = {
        { "€中文", "\x80\xD6\xD0\xCE\xC4" },
        { "\xE4"
          "abc",
            "?abc" }, // a lead byte without its continuation
        { "\xE4\xB8"
          "abc",
            "?abc" }, // a sequence cut short is one piece
        { "a\x80"
          "b",
            "a?b" }, // a stray continuation byte
        { "\xC0\x80x", "??x" }, // an overlong form
        { "\xED\xA0\x80", "???" }, // a surrogate
        { "\xF4\x90\x80\x80", "????" }, // beyond U+10FFFF
        { "中\xE6\x96", "\xD6\xD0?" }, // cut short at the end
        { "🍎!", "?!" }, // a whole character without a GBK form
    };
    for (const auto& c : toGbk) {
        EXPECT_EQ(FromDatabaseText(c.utf8), c.gbk) << c.utf8;
    }

    const Case fromGbk[] = {
        { "€中文", "\x80\xD6\xD0\xCE\xC4" },
        { "?abc",
            "\xFF"
            "abc" }, // 0xFF starts no character
        { "? 1", "\xB4 1" }, // a lead byte before a byte that cannot follow it
        { "?@x", "\xA2@x" }, // a pair without a character keeps its ASCII second byte
        { "?x", "\xA2\xA0x" }, // ... and is one "?" when both bytes are high
        { "碼",
            "\xB4"
            "a" }, // an ASCII letter may be the second byte of a character
    };
    for (const auto& c : fromGbk) {
        std::string text = c.gbk;
        ToDatabaseText(text);
        EXPECT_EQ(text, c.utf8) << c.gbk;
    }
}

} // namespace
