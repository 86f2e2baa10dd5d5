#include "../GuiTestSupport.h"
#include "gui/knowledge/CSymptomPage.h"
#include "gui/knowledge/CYysZsDlg.h"

#include <QPlainTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

class KnowledgePageTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(NutrientDb,
            "INSERT INTO NutrientType VALUES(1, '宏量营养素'), (2, '矿物质');"
            "INSERT INTO NutrientShow VALUES(1, 1, '蛋白质', '', '构成身体', '肉&nbsp;蛋', '30克', '肾脏负担', "
            "'生长迟缓', "
            "'儿童'), (2, 2, '钙', '', '骨骼', '奶', '800毫克', '结石', '佝偻病', '所有人');");
    }
};

TEST_F(KnowledgePageTest, OpensOnProteinAndDescribesTheChosenNutrient)
{
    CYysZsDlg page;
    page.show();
    const QTreeWidgetItem* root = page.tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), QStringLiteral("营养素类别"));
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(1)->child(0)->text(0), QStringLiteral("钙"));
    EXPECT_EQ(page.tree()->currentItem()->text(0), QStringLiteral("蛋白质"));
    EXPECT_EQ(page.boxes()[1]->toPlainText(), QStringLiteral("肉  蛋"));

    ASSERT_TRUE(page.selectNutrient(QStringLiteral("钙")));
    const QStringList expected { "骨骼", "奶", "800毫克", "结石", "佝偻病", "所有人" };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(page.boxes()[i]->toPlainText(), expected[i]);
    }
    // A category describes nothing: the boxes keep the nutrient.
    page.tree()->setCurrentItem(root->child(0));
    EXPECT_EQ(page.boxes()[0]->toPlainText(), QStringLiteral("骨骼"));
}

TEST_F(KnowledgePageTest, ASymptomPageShowsExcessAboveOneHundredPercent)
{
    CSymptomPage page(QStringLiteral("钙"));
    page.ShowForRatio(100.0f);
    EXPECT_EQ(page.text(), QStringLiteral("佝偻病"));
    page.ShowForRatio(100.1f);
    EXPECT_EQ(page.text(), QStringLiteral("结石"));
    CSymptomPage unknown(QStringLiteral("维生素K"));
    unknown.ShowForRatio(50.0f);
    EXPECT_EQ(unknown.text(), QString());
}

} // namespace
