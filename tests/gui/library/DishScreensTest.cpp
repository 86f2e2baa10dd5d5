#include "../../core/library/LibraryTestData.h"
#include "LibraryScreensTest.h"
#include "ModalDialog.h"
#include "gui/library/CCookAddDlg.h"
#include "gui/library/CCookCAddDlg.h"
#include "gui/library/CCookCEditDlg.h"
#include "gui/library/CCookEditDlg.h"
#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/CCookMageDlg.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/library/NutrientBoxGrid.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/FakePrompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class DishScreensTest : public LibraryScreensTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb,
            foodCategoryRows()
                + "INSERT INTO CookType VALUES(1,0,'儿童膳食');"
                  "INSERT INTO CookType VALUES(2,1,'儿童主食');"
                  "INSERT INTO CookType VALUES(8,0,'特殊膳食');"
                  "INSERT INTO CookType VALUES(9,8,'病号餐');"
                  "INSERT INTO CookShow(CookID,CookName,CookCategory,CookWeight) "
                  "VALUES(1,'儿童米饭','儿童主食',100);"
                + foodShowRow(1, 1, 10, "米饭", energyOnly(116)) + foodShowRow(2, 2, 20, "菠菜", energyOnly(24))
                + foodShowRow(3, 2, 20, "豆腐", energyOnly(81)));
        m_folder.exec(GrightDb, "INSERT INTO FoodPhaseg VALUES(1,'菠菜','豆腐','',2);");
    }

    // Chooses a food in the ingredient chooser the link opens.
    void chooseThroughLink(DishDialogBase& dish, const QString& search, const QString& weight, int role)
    {
        whenDialogOpens<CCookFoodAddDlg>([=](CCookFoodAddDlg& chooser) {
            chooser.searchEdit()->setText(search);
            chooser.onSearch();
            chooser.foodList()->selectRow(0);
            chooser.weightEdit()->setText(weight);
            chooser.roleCombo()->setCurrentIndex(role);
            chooser.okButton()->click();
        });
        dish.onAddIngredient();
    }
};

} // namespace

TEST_F(DishScreensTest, ADishIsAddedEditedAndDeletedThroughThePage)
{
    CCookMageDlg page;
    EXPECT_EQ(page.filter(), "儿童");
    EXPECT_EQ(column(page.dishList(), 0), QStringList { "儿童米饭" });

    whenDialogOpens<CCookAddDlg>([this](CCookAddDlg& dialog) {
        dialog.nameEdit()->setText("菠菜饭");
        dialog.categoryEdit()->setText("家常主食");

        // The chooser refuses a weight that is not digits and points, and clears it.
        whenDialogOpens<CCookFoodAddDlg>([this](CCookFoodAddDlg& chooser) {
            chooser.searchEdit()->setText("米饭");
            chooser.onSearch();
            chooser.foodList()->selectRow(0);
            chooser.roleCombo()->setCurrentIndex(0);
            chooser.weightEdit()->setText("2OO");
            chooser.okButton()->click();
            EXPECT_EQ(m_prompts->lastText(), "输入的重量不合法！");
            EXPECT_EQ(m_prompts->lastCaption(), "系统提示");
            EXPECT_TRUE(chooser.weightEdit()->text().isEmpty());
            chooser.weightEdit()->setText("200");
            chooser.okButton()->click();
        });
        dialog.onAddIngredient();
        chooseThroughLink(dialog, "菠菜", "50", 1);
        EXPECT_EQ(dialog.nutrientBoxes()->box(0)->text(), "244.00"); // 232 + 12

        chooseThroughLink(dialog, "豆腐", "100", 2);
        EXPECT_EQ(m_prompts->lastText(), "菜谱中有两种原料相克，请重新选择");
        EXPECT_EQ(column(dialog.ingredientList(), 0), (QStringList { "菠菜", "米饭" }));
        EXPECT_EQ(dialog.incompatibleEdit()->text(), "豆腐；");
        dialog.okButton()->click();
    });
    page.onAddDish();
    EXPECT_EQ(page.filter(), "家常主食");
    EXPECT_EQ(column(page.dishList(), 0), QStringList { "菠菜饭" });
    EXPECT_EQ(column(page.dishList(), 1), QStringList { "250" });
    EXPECT_EQ(column(page.dishList(), 2), QStringList { "米饭:200g；菠菜:50g；" });

    page.dishList()->selectRow(0);
    whenDialogOpens<CCookEditDlg>([this](CCookEditDlg& dialog) {
        EXPECT_EQ(dialog.nutrientBoxes()->box(0)->text(), "244.00");
        dialog.nameEdit()->setText("儿童米饭");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该菜谱已经存在！");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nameEdit()->setText("菠菜豆腐饭");
        // In the edit dialog only main ingredients clash: tofu as seasoning is taken.
        dialog.addIngredient("豆腐", "30", "调料");
        dialog.ingredientList()->selectRow(column(dialog.ingredientList(), 0).indexOf("米饭"));
        dialog.onRemoveIngredient();
        EXPECT_EQ(dialog.nutrientBoxes()->box(0)->text(), "36.30"); // 12 + 24.3
        dialog.okButton()->click();
    });
    page.onEditDish();
    EXPECT_EQ(column(page.dishList(), 0), QStringList { "菠菜豆腐饭" });
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookFoodFID, CookFoodRole, CookFoodWeight FROM CookFood ORDER BY CookFoodID"),
        (Rows { { "3", "调料", "30" }, { "2", "辅料", "50" } }));

    page.dishList()->selectRow(0);
    page.onDeleteDish();
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗？");
    EXPECT_TRUE(column(page.dishList(), 0).isEmpty());
    EXPECT_TRUE(rowsOf(CookDb, "SELECT * FROM CookFood").empty());
    EXPECT_EQ(rowsOf(CookDb, "SELECT CookName FROM CookShow"), (Rows { { "儿童米饭" } }));
}

TEST_F(DishScreensTest, TheFilterFollowsTheTreeAndTheSearchAndCategoriesNeedASelection)
{
    CCookMageDlg page;
    QTreeWidgetItem* root = page.categoryTree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "菜谱类别");

    page.searchEdit()->setText("米饭");
    page.onSearch();
    EXPECT_EQ(page.searchEdit()->text(), "米饭"); // the box keeps its text
    EXPECT_EQ(column(page.dishList(), 3), QStringList { "1" });
    emit page.categoryTree()->itemDoubleClicked(root, 0);
    EXPECT_EQ(page.filter(), "菜谱类别");
    EXPECT_TRUE(column(page.dishList(), 0).isEmpty());

    page.categoryTree()->setCurrentItem(root);
    page.onDeleteCategory();
    page.onEditCategory();
    page.categoryTree()->setCurrentItem(root->child(0)->child(0)); // 儿童主食, named by a dish
    page.onDeleteCategory();
    EXPECT_EQ(m_prompts->texts(),
        (QStringList { "请选择菜谱类别", "请选择要修改项", "选中类别包含子项目数据，请先删除各子项目数据！" }));

    whenDialogOpens<CCookCAddDlg>([this](CCookCAddDlg& dialog) {
        dialog.parentCombo()->setCurrentIndex(0);
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "类别不能为空！");
        dialog.nameEdit()->setText("儿童汤羹");
        dialog.okButton()->click();
    });
    page.onAddCategory();
    EXPECT_EQ(page.categoryTree()->topLevelItem(0)->child(0)->child(1)->text(0), "儿童汤羹");
}

TEST_F(DishScreensTest, TheCategoryEditorShowsTheParentEvenWhenTopLevelNumbersHaveGaps)
{
    CCookCEditDlg dialog("病号餐", "特殊膳食");
    ASSERT_TRUE(dialog.isLoaded());
    EXPECT_EQ(dialog.parentCombo()->currentText(), "特殊膳食");
    dialog.nameEdit()->setText("病号粥");
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CookType WHERE CookTypeID = 9"), (Rows { { "9", "8", "病号粥" } }));
}

TEST(FoodWeightDialogTest, ReturnsTheTypedWeightOnOkAndNothingOnCancel)
{
    whenDialogOpens<CFweightEditDlg>([](CFweightEditDlg& dialog) {
        EXPECT_EQ(dialog.weightEdit()->text(), "50");
        dialog.weightEdit()->setText("75.5");
        dialog.okButton()->click();
    });
    EXPECT_EQ(CFweightEditDlg::editWeight(nullptr, "大米", "50"), QString("75.5"));

    whenDialogOpens<CFweightEditDlg>([](CFweightEditDlg& dialog) { dialog.reject(); });
    EXPECT_FALSE(CFweightEditDlg::editWeight(nullptr, "大米", "50"));
}
