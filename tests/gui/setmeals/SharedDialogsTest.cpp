#include "SetMealScreensTest.h"
#include "gui/library/CCookFoodAddDlg.h"
#include "gui/library/CFweightEditDlg.h"
#include "gui/setmeals/CAddTcmcDlg.h"
#include "gui/setmeals/COwnAddCookDlg.h"
#include "gui/setmeals/CPCookSelDlg.h"
#include "gui/setmeals/CPFoodSelDlg.h"
#include "gui/setmeals/CPackageCookEditDlg.h"
#include "gui/setmeals/CPcSelectAddDlg.h"
#include "gui/setmeals/CYytcDlg.h"
#include "gui/setmeals/CpackageFoodEditDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace pelinor;
using namespace pelinor::test;

namespace {

using SharedDialogsTest = SetMealScreensTest;

QString chosenText(const ChosenItem& item)
{
    return QString::fromStdString(
        item.name + "|" + item.weight + "|" + item.composition + "|" + item.kind + "|" + item.meal);
}

TEST_F(SharedDialogsTest, TheChooserHandsBackADishOrAFoodWithItsWeight)
{
    CPcSelectAddDlg plan(ChooserMode::Plan);
    EXPECT_EQ(plan.windowTitle(), "食谱添加");
    EXPECT_EQ(plan.mealCombo(), nullptr);
    EXPECT_EQ(plan.tabs()->tabText(0), "菜    谱");
    EXPECT_EQ(plan.tabs()->tabText(1), "原    料");
    EXPECT_EQ(plan.tabs()->tabText(2), "自    制");
    EXPECT_EQ(column(plan.dishPage()->dishList(), 1), QStringList { "儿童粥" });

    // The dish page: the main ingredients scaled to the weight, the seasoning left out.
    plan.dishPage()->dishList()->selectRow(0);
    struct Case
    {
        const char* weight;
        const char* message;
    };
    for (const Case& c : { Case { "", "请输入重量！" }, Case { "5；大米:100", "输入的重量不合法！" } }) {
        plan.weightEdit()->setText(c.weight);
        plan.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), c.message);
        EXPECT_EQ(m_prompts->lastCaption(), "系统提示");
        EXPECT_EQ(plan.result(), QDialog::Rejected);
    }
    plan.weightEdit()->setText("82");
    plan.okButton()->click();
    EXPECT_EQ(plan.result(), QDialog::Accepted);
    EXPECT_EQ(chosenText(plan.chosen()), "儿童粥|82|大米:60.00g；小米:20.00g；|菜谱|");

    // The food page in set-meal mode, with its meal time; a category is found by its number.
    CPcSelectAddDlg setMeal(ChooserMode::SetMeal);
    EXPECT_EQ(setMeal.windowTitle(), "菜谱添加");
    ASSERT_NE(setMeal.mealCombo(), nullptr);
    EXPECT_EQ(setMeal.mealCombo()->count(), 5);
    setMeal.tabs()->setCurrentIndex(1);
    CPFoodSelDlg* foods = setMeal.foodPage();
    EXPECT_EQ(column(foods->foodList(), 0), (QStringList { "燕麦", "小米", "大米" }));
    foods->onCategoryDoubleClicked(treeItem(foods->categoryTree(), "水果类", "其他"));
    EXPECT_EQ(column(foods->foodList(), 0), (QStringList { "香蕉", "盐" }));
    foods->onCategoryDoubleClicked(treeItem(foods->categoryTree(), "谷类", "其他"));
    EXPECT_EQ(column(foods->foodList(), 0), QStringList { "燕麦" });
    foods->onCategoryDoubleClicked(treeItem(foods->categoryTree(), "原料类别", "水果类"));
    EXPECT_EQ(column(foods->foodList(), 0), (QStringList { "盐", "香蕉" }));

    setMeal.okButton()->click(); // nothing selected: nothing happens
    EXPECT_EQ(setMeal.result(), QDialog::Rejected);
    foods->foodList()->selectRow(1);
    setMeal.mealCombo()->setCurrentIndex(3);
    setMeal.weightEdit()->setText(" 120 ");
    setMeal.okButton()->click();
    EXPECT_EQ(chosenText(setMeal.chosen()), "香蕉|120|香蕉:120g；|原料|午点");

    // The search looks in the page shown.
    CPcSelectAddDlg search(ChooserMode::Plan);
    search.searchEdit()->setText(" ");
    search.onSearch();
    EXPECT_EQ(m_prompts->lastText(), "请输入检索信息！");
    search.tabs()->setCurrentIndex(1);
    search.searchEdit()->setText("米");
    search.onSearch();
    EXPECT_EQ(column(search.foodPage()->foodList(), 0), (QStringList { "小米", "大米" }));
}

TEST_F(SharedDialogsTest, AnOwnDishIsStoredUnderANewNameOnly)
{
    CPcSelectAddDlg chooser(ChooserMode::SetMeal);
    chooser.tabs()->setCurrentIndex(2);
    EXPECT_FALSE(chooser.weightEdit()->isEnabled());
    COwnAddCookDlg* own = chooser.ownPage();
    own->onAddFood();
    EXPECT_EQ(m_prompts->lastText(), "请选择原料");
    own->categoryCombo()->setCurrentIndex(0);
    EXPECT_EQ(column(own->foodList(), 0), (QStringList { "大米", "小米", "燕麦" }));
    own->foodList()->selectRow(1);
    for (const auto& [weight, message] : { std::pair { "", "原料重量不能为空！" }, { "abc", "输入的重量不合法！" } }) {
        own->weightEdit()->setText(weight);
        own->onAddFood();
        EXPECT_EQ(m_prompts->lastText(), message);
    }
    own->weightEdit()->setText("12.5");
    own->onAddFood();
    own->foodList()->selectRow(0);
    own->weightEdit()->setText("20");
    own->onAddFood();
    EXPECT_EQ(column(own->chosenList(), 0), (QStringList { "小米", "大米" }));

    // A weight changed through the weight dialog, checked like any other.
    own->chosenList()->selectRow(1);
    whenDialogOpens<CFweightEditDlg>([](CFweightEditDlg& dialog) {
        dialog.weightEdit()->setText("30");
        dialog.okButton()->click();
    });
    own->onChangeWeight();
    EXPECT_EQ(column(own->chosenList(), 1), (QStringList { "12.5", "30" }));

    chooser.okButton()->click();
    EXPECT_EQ(m_prompts->lastText(), "请输入食谱名称！");
    own->nameEdit()->setText("儿童粥");
    chooser.okButton()->click();
    EXPECT_EQ(m_prompts->lastText(), "该菜谱已经存在！");
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
    EXPECT_EQ(rowsOf(CookDb, "SELECT COUNT(*) FROM CookShow"), (Rows { { "1" } }));

    own->nameEdit()->setText("自制米粥");
    chooser.okButton()->click();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chosenText(chooser.chosen()), "自制米粥|42.50|小米:12.5g；大米:30g；|菜谱|早餐");
    EXPECT_EQ(rowsOf(CookDb,
                  "SELECT CookFoodCID, CookFoodFID, CookFoodRole, CookFoodWeight FROM CookFood "
                  "WHERE CookFoodCID = 5 ORDER BY CookFoodID"),
        (Rows { { "5", "2", "主料", "12.5" }, { "5", "1", "主料", "30" } }));

    // Removing a chosen food needs a selection.
    CPcSelectAddDlg again(ChooserMode::Plan);
    again.ownPage()->onRemoveFood();
    EXPECT_EQ(m_prompts->lastText(), "请选择原料");
}

TEST_F(SharedDialogsTest, TheDishEditorAddsEachChangeToTheTotal)
{
    CPackageCookEditDlg editor("儿童粥", "80.00", "大米:60.00g；小米:20.00g；", std::string("午餐"));
    EXPECT_EQ(editor.windowTitle(), "套餐菜谱编辑");
    EXPECT_EQ(editor.nameEdit()->text(), "儿童粥");
    EXPECT_TRUE(editor.nameEdit()->isReadOnly());
    EXPECT_EQ(editor.totalEdit()->text(), "80.00");
    ASSERT_NE(editor.mealCombo(), nullptr);
    EXPECT_EQ(editor.mealCombo()->currentText(), "午餐");
    EXPECT_EQ(column(editor.foodList(), 1), (QStringList { "60.00", "20.00" }));

    const auto changeFirstTo = [&](const QString& weight) {
        editor.foodList()->selectRow(0);
        whenDialogOpens<CFweightEditDlg>([weight](CFweightEditDlg& dialog) {
            dialog.weightEdit()->setText(weight);
            dialog.okButton()->click();
        });
        editor.onEditFood();
    };
    changeFirstTo("70");
    EXPECT_EQ(editor.totalEdit()->text(), "90.00");
    changeFirstTo("1；盐:9");
    EXPECT_EQ(m_prompts->lastText(), "输入的重量不合法！");
    EXPECT_EQ(editor.totalEdit()->text(), "90.00");

    editor.foodList()->selectRow(1);
    editor.onDeleteFood();
    EXPECT_EQ(editor.totalEdit()->text(), "70.00");
    whenDialogOpens<CCookFoodAddDlg>([](CCookFoodAddDlg& chooser) {
        chooser.searchEdit()->setText("盐");
        chooser.onSearch();
        chooser.foodList()->selectRow(0);
        chooser.weightEdit()->setText("0.5");
        chooser.roleCombo()->setCurrentIndex(2);
        chooser.okButton()->click();
    });
    editor.onAddFood();
    EXPECT_EQ(editor.totalEdit()->text(), "70.50");
    editor.mealCombo()->setCurrentIndex(4);
    editor.okButton()->click();
    const EditedDish edited = editor.edited();
    EXPECT_EQ(edited.weight, "70.50");
    EXPECT_EQ(edited.composition, "大米:70g；盐:0.5g；");
    EXPECT_EQ(edited.meal, "晚餐");

    // The plan editor's call: no meal time, nothing changed, the total as "%.2f".
    whenDialogOpens<CPackageCookEditDlg>([](CPackageCookEditDlg& dialog) {
        EXPECT_EQ(dialog.mealCombo(), nullptr);
        dialog.okButton()->click();
    });
    const auto plain = CPackageCookEditDlg::edit(nullptr, "儿童粥", "41", "大米:30g；小米:10g；", std::nullopt);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->weight, "41.00");
    EXPECT_EQ(plain->composition, "大米:30g；小米:10g；");
    EXPECT_EQ(plain->meal, "");
}

TEST_F(SharedDialogsTest, TheFoodEditorRebuildsTheComposition)
{
    CpackageFoodEditDlg editor("香蕉", "80.00", std::string("早点"));
    EXPECT_EQ(editor.windowTitle(), "套餐原料编辑");
    for (const char* weight : { "", "1；大米:100" }) {
        editor.weightEdit()->setText(weight);
        editor.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "输入的重量不合法！") << weight;
        EXPECT_EQ(editor.result(), QDialog::Rejected);
    }
    editor.weightEdit()->setText("120");
    editor.mealCombo()->setCurrentIndex(3);
    editor.okButton()->click();
    EXPECT_EQ(editor.edited().weight, "120");
    EXPECT_EQ(editor.edited().composition, "香蕉:120g；"); // not the old 80 g
    EXPECT_EQ(editor.edited().meal, "午点");
}

TEST_F(SharedDialogsTest, ThePickerAndTheNameDialogHandBackTheirChoice)
{
    m_folder.exec(PackageDb,
        "INSERT INTO PackageName VALUES(1,'夏季清爽','2026-06-15','中班'),(0,'春季营养','2026-03-16','小班');");
    whenDialogOpens<CYytcDlg>([this](CYytcDlg& picker) {
        EXPECT_EQ(picker.windowTitle(), "已有套餐");
        EXPECT_EQ(picker.setMealList()->horizontalHeaderItem(0)->text(), "套餐编号");
        EXPECT_EQ(column(picker.setMealList(), 1), (QStringList { "春季营养", "夏季清爽" }));
        EXPECT_EQ(column(picker.setMealList(), 2), (QStringList { "2026-03-16", "2026-06-15" }));
        picker.okButton()->click(); // nothing selected: stays open
        EXPECT_TRUE(picker.isVisible());
        picker.setMealList()->selectRow(1);
        picker.okButton()->click();
    });
    EXPECT_EQ(CYytcDlg::pick(nullptr), std::optional<int>(1));

    whenDialogOpens<CAddTcmcDlg>([this](CAddTcmcDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "套餐名称添加");
        dialog.nameEdit()->setText("  ");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "套餐名称不能为空！");
        EXPECT_TRUE(dialog.isVisible());
        dialog.nameEdit()->setText(" 秋季滋润 ");
        dialog.okButton()->click();
    });
    EXPECT_EQ(CAddTcmcDlg::askName(nullptr), std::optional<std::string>("秋季滋润"));

    whenDialogOpens<CPcSelectAddDlg>([](CPcSelectAddDlg& chooser) { chooser.reject(); });
    EXPECT_FALSE(CPcSelectAddDlg::choose(nullptr, ChooserMode::Plan));
}

} // namespace
