#include "SetMealScreensTest.h"
#include "core/common/Clock.h"
#include "gui/library/CCptjDlg.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/setmeals/CPCookSelDlg.h"
#include "gui/setmeals/CPFoodSelDlg.h"
#include "gui/setmeals/CPackageCAddDlg.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPackageDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace pelinor;
using namespace pelinor::test;

namespace {

class SetMealPagesTest : public SetMealScreensTest
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 5, 6, 8, 9, 10 }));
        m_folder.exec(RecordDb,
            "INSERT INTO ClassInfo VALUES(1,'小班'),(2,'中班');"
            "INSERT INTO ArchivesBase(ArchID, Gender, Birth, Class) VALUES"
            "('1','男','2021-02-01','中班'),('2','女','2021-08-01','中班'),('3','女','2021-03-01','中班');");
        // Boys of 5 have 1400 kcal, girls 1300; the first stored row of age 4 is the boys'.
        m_folder.exec(IntakeCriterionDb,
            "INSERT INTO CDRIS(ID, Age1, Sex, Energy, Protein) VALUES"
            "(1, 4, '男', 1300, 30),(2, 4, '女', 1250, 30),(3, 5, '男', 1400, 30),(4, 5, '女', 1300, 30);");
    }
    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }

    // Adds an item through the chooser: a food of the food page, or the dish page's first dish.
    static void addItem(CPackageDlg& page, bool dish, int foodRow, int meal, const QString& weight)
    {
        whenDialogOpens<CPcSelectAddDlg>([=](CPcSelectAddDlg& chooser) {
            if (dish) {
                chooser.dishPage()->dishList()->selectRow(0);
            } else {
                chooser.tabs()->setCurrentIndex(1);
                chooser.foodPage()->onCategoryDoubleClicked(
                    treeItem(chooser.foodPage()->categoryTree(), "原料类别", "水果类"));
                chooser.foodPage()->foodList()->selectRow(foodRow);
            }
            chooser.mealCombo()->setCurrentIndex(meal);
            chooser.weightEdit()->setText(weight);
            chooser.okButton()->click();
        });
        page.onAddItem();
    }
    static Rows storedItems()
    {
        return rowsOf(PackageDb,
            "SELECT PcookPID, PackageItemMeal, PackageItemName, PackageItemWeight, PackageItemIsDish, "
            "PackageItemFoods FROM PackageCook ORDER BY PcookID");
    }
};

TEST_F(SetMealPagesTest, ASetMealIsCreatedWithAllMealTimesChangedAndSaved)
{
    m_folder.exec(PackageDb, "INSERT INTO PackageName VALUES(0,'春季营养','2026-03-16','小班');");
    CPackageDlg page;
    EXPECT_EQ(column(page.setMealList(), 1), QStringList { "春季营养" });
    page.onAddItem();
    EXPECT_EQ(m_prompts->lastText(), "请添加套餐信息！");

    whenDialogOpens<CPackageCAddDlg>([this](CPackageCAddDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "套餐类添加");
        EXPECT_EQ(column(dialog.availableList(), 0), (QStringList { "小班", "中班" }));
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "套餐名称不能为空！");
        dialog.nameEdit()->setText("夏季清爽");
        dialog.onChooseAll(); // each goes to the top: 中班, 小班
        dialog.chosenList()->selectRow(1);
        dialog.onReturnClass();
        dialog.okButton()->click();
    });
    page.onNewSetMeal();
    EXPECT_EQ(column(page.setMealList(), 0), (QStringList { "1", "0" }));
    EXPECT_EQ(column(page.setMealList(), 2), (QStringList { "中班", "小班" }));
    EXPECT_EQ(page.setMealList()->selectedRow(), 0);
    // 中班: a boy of 5 (1400) and two girls of 5 (1300): the mean of the two sex means.
    EXPECT_EQ(page.referenceText(0), "1350.00");
    EXPECT_EQ(page.referenceText(3), "202.50"); // 1350 × 0.6 × 0.25

    page.onSave();
    EXPECT_EQ(m_prompts->lastText(), "请添加早餐信息");
    addItem(page, false, 1, 0, "100"); // 香蕉 早餐
    addItem(page, false, 1, 1, "80"); // 香蕉 早点
    addItem(page, true, 0, 2, "82"); // 儿童粥 午餐
    addItem(page, false, 0, 4, "1"); // 盐 晚餐
    page.onSave();
    EXPECT_EQ(m_prompts->lastText(), "请添加午点信息");
    addItem(page, false, 1, 3, "60");
    addItem(page, false, 0, 2, "2"); // 盐 午餐
    EXPECT_EQ(column(page.itemList(), 0), (QStringList { "早餐", "早点", "午餐", "晚餐", "午点", "午餐" }));
    EXPECT_EQ(column(page.itemList(), 2), (QStringList { "100.00", "80.00", "82.00", "1.00", "60.00", "2.00" }));
    EXPECT_EQ(column(page.itemList(), 3), (QStringList { "否", "否", "是", "否", "否", "否" }));
    EXPECT_TRUE(page.hasUnsavedChanges());

    page.onSave();
    EXPECT_EQ(m_prompts->lastText(), "保存成功");
    EXPECT_FALSE(page.hasUnsavedChanges());
    EXPECT_EQ(rowsOf(PackageDb, "SELECT * FROM PackageName ORDER BY ID"),
        (Rows { { "0", "春季营养", "2026-03-16", "小班" }, { "1", "夏季清爽", "2026-05-06", "中班" } }));
    EXPECT_EQ(storedItems()[2],
        (std::vector<std::string> { "1", "午餐", "儿童粥", "82.0", "是", "大米:60.00g；小米:20.00g；" }));

    // The dish through the dish editor: the porridge loses its millet (20 g) and moves to dinner.
    page.itemList()->selectRow(2);
    whenDialogOpens<CPackageCookEditDlg>([](CPackageCookEditDlg& editor) {
        EXPECT_EQ(editor.mealCombo()->currentText(), "午餐");
        editor.foodList()->selectRow(1);
        editor.onDeleteFood();
        editor.mealCombo()->setCurrentIndex(4);
        editor.okButton()->click();
    });
    page.onModifyItem();
    EXPECT_EQ(column(page.itemList(), 0), (QStringList { "早餐", "早点", "晚餐", "晚餐", "午点", "午餐" }));
    EXPECT_EQ(column(page.itemList(), 2), (QStringList { "100.00", "80.00", "62.00", "1.00", "60.00", "2.00" }));
    // The food through the food editor: its composition follows the new weight.
    page.itemList()->selectRow(1);
    whenDialogOpens<CpackageFoodEditDlg>([](CpackageFoodEditDlg& editor) {
        EXPECT_EQ(editor.weightEdit()->text(), "80.00");
        editor.weightEdit()->setText("120");
        editor.okButton()->click();
    });
    page.onModifyItem();
    // 盐 at dinner goes; dinner keeps the porridge.
    page.itemList()->selectRow(3);
    m_prompts->queueAnswer(true);
    page.onDeleteItem();
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗？");
    EXPECT_EQ(m_prompts->lastCaption(), "系统提示");
    page.onSave();
    EXPECT_EQ(m_prompts->lastText(), "保存成功");
    const Rows stored = storedItems();
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(stored[1], (std::vector<std::string> { "1", "早点", "香蕉", "120.0", "否", "香蕉:120g；" }));
    EXPECT_EQ(stored[2], (std::vector<std::string> { "1", "晚餐", "儿童粥", "62.0", "是", "大米:60.00g；" }));
    EXPECT_EQ(stored[3][1], "午点");
    EXPECT_EQ(stored[4], (std::vector<std::string> { "1", "午餐", "盐", "2.0", "否", "盐:2g；" }));
}

TEST_F(SetMealPagesTest, AfterADeleteThePageHoldsNoSetMealAndSavesNothing)
{
    m_folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES(0,'甲','2026-01-01','小班'),(1,'乙','2026-01-02','中班');"
        "INSERT INTO PackageCook VALUES(0,0,'甲一','10.0','早餐','t','否','甲一:10g；'),"
        "(1,1,'乙一','20.0','早餐','t','否','乙一:20g；');");
    CPackageDlg page;
    page.setMealList()->selectRow(0);
    ASSERT_TRUE(page.setMeal());
    EXPECT_EQ(page.setMeal()->title, "甲");
    EXPECT_EQ(column(page.itemList(), 1), QStringList { "甲一" });
    EXPECT_EQ(page.referenceText(0), "1300.00"); // 小班 has no child: the first stored row of age 4

    // Unsaved changes are not dropped without asking.
    page.itemList()->selectRow(0);
    m_prompts->queueAnswer(true);
    page.onDeleteItem();
    m_prompts->queueAnswer(false);
    page.setMealList()->selectRow(1);
    EXPECT_EQ(m_prompts->lastText(), "当前套餐尚未保存，确定要放弃修改吗？");
    EXPECT_EQ(page.setMeal()->title, "甲");
    EXPECT_EQ(page.setMealList()->selectedRow(), 0);
    page.onCancel();
    EXPECT_EQ(column(page.itemList(), 1), QStringList { "甲一" });

    m_prompts->queueAnswer(true);
    page.onDeleteSetMeal();
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗");
    EXPECT_FALSE(page.setMeal());
    EXPECT_EQ(page.itemList()->rowCount(), 0);
    EXPECT_EQ(page.referenceText(0), "");
    EXPECT_EQ(column(page.setMealList(), 0), QStringList { "0" });
    EXPECT_EQ(column(page.setMealList(), 1), QStringList { "乙" });
    page.onSave();
    EXPECT_EQ(m_prompts->lastText(), "请添加套餐信息！");
    EXPECT_EQ(rowsOf(PackageDb, "SELECT PcookPID, PackageItemName FROM PackageCook"), (Rows { { "0", "乙一" } }));

    // The search looks at names and objects.
    page.searchEdit()->setText("小班");
    page.onSearch();
    EXPECT_EQ(page.setMealList()->rowCount(), 0);
    page.searchEdit()->setText("中班");
    page.onSearch();
    EXPECT_EQ(column(page.setMealList(), 1), QStringList { "乙" });

    // A set meal made elsewhere (from a planned day) is listed when the page is shown again.
    m_folder.exec(PackageDb, "INSERT INTO PackageName VALUES(1,'丙','2026-02-01','中班；大班');");
    page.show();
    EXPECT_EQ(column(page.setMealList(), 1), (QStringList { "乙", "丙" }));
}

using MealTimeDishesPageTest = SetMealScreensTest;

TEST_F(MealTimeDishesPageTest, RecommendationsAreAddedEditedAndDeletedByTheirNumber)
{
    m_folder.exec(CookDb,
        "INSERT INTO CXC "
        "VALUES(1,'早点','牛奶','200','否'),(2,'早餐','儿童粥','50','是'),(3,'早点','牛奶','150','否');");
    CCptjDlg page;
    EXPECT_EQ(page.mealCombo()->currentText(), "早餐");
    EXPECT_EQ(column(page.itemList(), 1), QStringList { "儿童粥" });
    page.mealCombo()->setCurrentIndex(1);
    EXPECT_EQ(column(page.itemList(), 0), (QStringList { "3", "1" }));

    whenDialogOpens<CPcSelectAddDlg>([](CPcSelectAddDlg& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "菜谱添加");
        EXPECT_EQ(chooser.mealCombo()->currentText(), "早点");
        EXPECT_FALSE(chooser.mealCombo()->isEnabled());
        chooser.tabs()->setCurrentIndex(1);
        chooser.searchEdit()->setText("香蕉");
        chooser.onSearch();
        chooser.foodPage()->foodList()->selectRow(0);
        chooser.weightEdit()->setText("80");
        chooser.okButton()->click();
    });
    page.onAdd();
    EXPECT_EQ(column(page.itemList(), 0), (QStringList { "4", "3", "1" }));
    EXPECT_EQ(rowsOf(CookDb, "SELECT * FROM CXC WHERE ID = 4"), (Rows { { "4", "早点", "香蕉", "80", "否" } }));

    // The second of the two milks, found by its number.
    const auto editWeight = [&page](const QString& weight) {
        page.itemList()->selectRow(1);
        whenDialogOpens<CFweightEditDlg>([weight](CFweightEditDlg& dialog) {
            dialog.weightEdit()->setText(weight);
            dialog.okButton()->click();
        });
        page.onEditWeight();
    };
    editWeight("5；大米:100");
    EXPECT_EQ(m_prompts->lastText(), "输入的重量不合法！");
    editWeight("180");
    EXPECT_EQ(rowsOf(CookDb, "SELECT ID, Weight FROM CXC WHERE FoodName = '牛奶' ORDER BY ID"),
        (Rows { { "1", "200" }, { "3", "180" } }));

    page.itemList()->clearSelection();
    page.onDelete();
    EXPECT_EQ(m_prompts->lastText(), "请选择删除对象");
    page.itemList()->selectRow(2);
    page.onDelete();
    EXPECT_EQ(rowsOf(CookDb, "SELECT ID FROM CXC ORDER BY ID"), (Rows { { "2" }, { "3" }, { "4" } }));
    EXPECT_EQ(column(page.itemList(), 2), (QStringList { "80", "180" }));
}

} // namespace
