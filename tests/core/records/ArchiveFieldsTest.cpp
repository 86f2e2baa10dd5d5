#include "core/records/ArchiveFields.h"

#include "core/common/ItemList.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

TEST(ArchiveFieldsTest, ItemListsAreWrittenInTableOrderAndReadBack)
{
    struct Case
    {
        const std::vector<std::string>& items;
        ItemChoice choice;
        const char* stored;
    };
    const Case cases[] = {
        { allergyItems(), { false, { "磺胺", "青霉素" }, "花粉" }, "青霉素；磺胺；花粉" },
        { allergyItems(), { false, { "无链霉素" }, "" }, "无链霉素" },
        { allergyItems(), { false, {}, "" }, "" },
        { disabilityItems(), { false, {}, "先天弱视" }, "先天弱视" }, // an other text alone
        { illnessItems(), { false, { "丙肝", "龋齿", "弱视" }, "" }, "丙肝；龋齿；弱视" },
        { illnessItems(), { true, {}, "" }, "无" },
        // An other text that itself holds "；" comes back whole, not just its last piece.
        { allergyItems(), { false, { "磺胺" }, "花粉；尘螨" }, "磺胺；花粉；尘螨" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(buildItemList(c.items, c.choice), c.stored);
        EXPECT_EQ(readItemList(c.items, c.stored), c.choice) << c.stored;
    }
}

TEST(ArchiveFieldsTest, TheNoneBoxWinsOverEverythingElse)
{
    const ItemChoice everything { true, { "青霉素", "磺胺" }, "花粉" };
    EXPECT_EQ(buildItemList(allergyItems(), everything), "无");
    // A stored list with a closing separator reads the same as one without.
    EXPECT_EQ(readItemList(allergyItems(), "青霉素；花粉；"), (ItemChoice { false, { "青霉素" }, "花粉" }));
}

TEST(ArchiveFieldsTest, SignCodesFollowTheirOrderWhateverTheClickOrder)
{
    EXPECT_EQ(buildSignCodes({ "F8", "F1", "F3" }), "F1；F3；F8");
    EXPECT_EQ(buildSignCodes({}), "");
    EXPECT_EQ(readSignCodes("F1；F3；F8"), (std::set<std::string> { "F1", "F3", "F8" }));
    EXPECT_TRUE(readSignCodes("").empty());
}

TEST(ArchiveFieldsTest, RenamingAnItemTouchesWholeItemsOnly)
{
    struct Case
    {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        { "大班", "星星班" },
        { "小班；大班", "小班；星星班" },
        { "大班；小班；", "星星班；小班；" }, // the closing separator stays
        { "大班二；小大班", "大班二；小大班" }, // names that merely contain the old one
        { "", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replaceItem(c.before, "大班", "星星班"), c.after) << c.before;
    }
    EXPECT_EQ(splitItems("a；；b；"), (std::vector<std::string> { "a", "b" }));
}

} // namespace
