#include "core/planning/PlanSetup.h"

#include "PlanningTestData.h"

#include <gtest/gtest.h>

using namespace pelinor;

namespace {

PlanSetupInput validPersonal()
{
    PlanSetupInput input;
    input.name = "一周食谱";
    input.kind = 0;
    input.cycle = 1;
    input.child = SetupChild { "00001", "王小明", "26000001" };
    return input;
}

} // namespace

TEST(PlanSetupTest, RefusesInTheOrderTheUserMeetsTheFields)
{
    struct Case
    {
        const char* what;
        void (*change)(PlanSetupInput&);
        const char* message;
    };
    const Case cases[] = {
        // Every later field is wrong too: the first check decides.
        { "no name",
            [](PlanSetupInput& in) {
                in.name.clear();
                in.kind = -1;
                in.cycle = -1;
                in.shares[0] = "90";
            },
            "配餐名称不能为空" },
        { "no kind",
            [](PlanSetupInput& in) {
                in.kind = -1;
                in.cycle = -1;
            },
            "请选择配餐对象" },
        { "no cycle",
            [](PlanSetupInput& in) {
                in.cycle = -1;
                in.shares[0] = "90";
                in.child.reset();
            },
            "请选择配餐周期" },
        { "sum 105", [](PlanSetupInput& in) { in.shares[0] = "25"; }, "功能比之和必须是100！" },
        { "text counts 0", [](PlanSetupInput& in) { in.shares[1] = "abc"; }, "功能比之和必须是100！" },
        { "sum checked before the child",
            [](PlanSetupInput& in) {
                in.shares[4] = "31";
                in.child.reset();
            },
            "功能比之和必须是100！" },
        { "no child", [](PlanSetupInput& in) { in.child.reset(); }, "请选择配餐对象!" },
        { "no classes",
            [](PlanSetupInput& in) {
                in.kind = 1;
                in.chosenClasses.clear();
            },
            "请选择配餐对象！" },
        { "only nameless classes",
            [](PlanSetupInput& in) {
                in.kind = 1;
                in.chosenClasses = { "" };
            },
            "请选择配餐对象！" },
        { "zero share with sum 100",
            [](PlanSetupInput& in) {
                in.shares = { "0", "20", "30", "20", "30" };
            },
            "" },
    };
    for (const auto& c : cases) {
        PlanSetupInput input = validPersonal();
        c.change(input);
        EXPECT_EQ(ConfirmPlanSetup(input).message(), c.message) << c.what;
    }
}

TEST(PlanSetupTest, BuildsTheDefinitionForAChildOrForClasses)
{
    const Outcome<PlanDefinition> personal = ConfirmPlanSetup(validPersonal());
    ASSERT_TRUE(personal.ok());
    EXPECT_EQ(*personal, (PlanDefinition { "26000001", "20；10；30；10；30；", "一周食谱", "王小明", 1, 0 }));

    PlanSetupInput group = validPersonal();
    group.kind = 1;
    group.cycle = 0;
    group.shares = { "25", "5", "35", "5", "30" };
    group.chosenClasses = { "小二班", "", "小一班" }; // the chosen list, most recent first
    const Outcome<PlanDefinition> classes = ConfirmPlanSetup(group);
    ASSERT_TRUE(classes.ok());
    EXPECT_EQ(*classes, (PlanDefinition { "", "25；5；35；5；30；", "一周食谱", "小二班；小一班", 0, 1 }));
}

TEST(PlanSetupTest, AShareTextIsCheckedAsSoonAsItIsTyped)
{
    struct Case
    {
        const char* text;
        bool refused;
    };
    const Case cases[] = { { "", false }, { "1", false }, { "99", false }, { "30%", false }, { "0", true },
        { "100", true }, { "-5", true }, { "abc", true }, { "99999999999", true } };
    for (const auto& c : cases) {
        const auto refusal = shareTextRefusal(c.text);
        EXPECT_EQ(refusal.has_value(), c.refused) << c.text;
        if (refusal) {
            EXPECT_EQ(*refusal, "请输入大于0的整数");
        }
    }
}

class PlanSetupListsTest : public test::PlanningFixture
{
};

TEST_F(PlanSetupListsTest, ListsTheChildrenOfAClassWithTheirNumbers)
{
    const std::vector<SetupChild> children = setupChildren("小二班");
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0], (SetupChild { "0004", "陈小美", "26000004" }));
    EXPECT_EQ(children[1].archId, "26000005");
    EXPECT_TRUE(setupChildren("大班").empty());
}
