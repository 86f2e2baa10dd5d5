#include "core/common/DishComposition.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(DishCompositionTest, ReadsNamesAndGramsAndWritesThemBack)
{
    struct Case
    {
        const char* text;
        std::vector<std::pair<std::string, double>> entries;
    };
    const Case cases[] = {
        { "大米:30g；小米:20g；", { { "大米", 30 }, { "小米", 20 } } },
        { "猪肉(瘦):12.50g；", { { "猪肉(瘦)", 12.5 } } },
        { "鸡蛋:50g", { { "鸡蛋", 50 } } }, // a missing final separator still reads
        { "", {} },
    };
    for (const auto& c : cases) {
        const auto parsed = DishComposition::parse(c.text);
        ASSERT_EQ(parsed.size(), c.entries.size()) << c.text;
        for (size_t i = 0; i < parsed.size(); ++i) {
            EXPECT_EQ(parsed[i].foodName, c.entries[i].first);
            EXPECT_DOUBLE_EQ(parsed[i].grams, c.entries[i].second);
        }
    }
    EXPECT_EQ(DishComposition::format({ { "大米", 30 }, { "猪肉", 12.5 } }), "大米:30g；猪肉:12.50g；");
}

} // namespace
