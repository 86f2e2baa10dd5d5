#include "../../core/library/LibraryTestData.h"
#include "LibraryScreensTest.h"
#include "ModalDialog.h"
#include "gui/library/CFoodAddDlg.h"
#include "gui/library/CFoodCAddDlg.h"
#include "gui/library/CFoodEditDlg.h"
#include "gui/library/CFoodMageDlg.h"
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

class FoodScreensTest : public LibraryScreensTest
{
protected:
    void SetUp() override
    {
        m_folder.exec(CookDb, foodCategoryRows() + foodShowRow(1, 1, 10, "大米", energyOnly(346)));
    }

    static QStringList namesIn(const CListCtrlCl* list)
    {
        return column(list, 0);
    }

    static int rowNamed(const CListCtrlCl* list, const QString& name)
    {
        return static_cast<int>(namesIn(list).indexOf(name));
    }
};

} // namespace

TEST_F(FoodScreensTest, AFoodIsAddedEditedAndDeletedThroughThePage)
{
    CFoodMageDlg page;
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "大米" });

    whenDialogOpens<CFoodAddDlg>([this](CFoodAddDlg& dialog) {
        dialog.topCategoryCombo()->setCurrentIndex(0);
        dialog.subCategoryCombo()->setCurrentIndex(0);
        dialog.nameEdit()->setText("小米");
        dialog.nutrientBoxes()->box(0)->setText("3S8"); // a slip of the finger: no number
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "请输入一个数字。");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nutrientBoxes()->box(0)->setText("358");
        dialog.nameEdit()->setText("大米");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该原料已经存在！");
        EXPECT_EQ(m_prompts->lastCaption(), "Pelinor");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nameEdit()->setText("小米");
        dialog.okButton()->click();
    });
    page.onAddFood();
    EXPECT_EQ(namesIn(page.foodList()), (QStringList { "大米", "小米" })); // the new food's category
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName, FoodEnergy, FoodInitial FROM FoodShow WHERE FoodID = 2"),
        (Rows { { "小米", "358.0", "X" } }));

    page.foodList()->selectRow(rowNamed(page.foodList(), "小米"));
    whenDialogOpens<CFoodEditDlg>([this](CFoodEditDlg& dialog) {
        EXPECT_EQ(dialog.nutrientBoxes()->box(0)->text(), "358");
        EXPECT_EQ(dialog.subCategoryCombo()->currentText(), "米类");
        dialog.nameEdit()->setText("大米");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该原料已经存在！");
        ASSERT_TRUE(dialog.isVisible());

        dialog.nameEdit()->setText("小米（黄）");
        dialog.topCategoryCombo()->setCurrentIndex(1);
        dialog.subCategoryCombo()->setCurrentIndex(0);
        dialog.okButton()->click();
    });
    page.onEditFood();
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "小米（黄）" }); // now listed under 叶菜
    EXPECT_EQ(
        rowsOf(CookDb, "SELECT FoodID, FoodBigTypeID, FoodSmallTypeID FROM FoodShow WHERE FoodName = '小米（黄）'"),
        (Rows { { "2", "2", "20" } }));

    m_prompts->queueAnswer(false);
    page.foodList()->selectRow(0);
    page.onDeleteFood();
    EXPECT_EQ(m_prompts->lastText(), "确定要删除吗？");
    EXPECT_EQ(namesIn(page.foodList()), QStringList { "小米（黄）" });

    page.foodList()->selectRow(0);
    page.onDeleteFood();
    EXPECT_TRUE(namesIn(page.foodList()).isEmpty());
    EXPECT_EQ(rowsOf(CookDb, "SELECT FoodName FROM FoodShow"), (Rows { { "大米" } }));
}

TEST_F(FoodScreensTest, CategoryButtonsNeedASelectionAndKeepFullCategories)
{
    CFoodMageDlg page;
    QTreeWidget* tree = page.categoryTree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "原料类别");
    EXPECT_TRUE(root->isExpanded());

    tree->setCurrentItem(root);
    page.onDeleteCategory();
    page.onEditCategory();
    EXPECT_EQ(m_prompts->texts(), (QStringList { "请选择原料类别", "请选择要修改项" }));

    m_prompts->clear();
    tree->setCurrentItem(root->child(0)->child(0)); // 米类 holds 大米
    page.onDeleteCategory();
    EXPECT_EQ(m_prompts->texts(), QStringList { "选中类别包含子项目数据，请先删除各子项目数据！" });

    whenDialogOpens<CFoodCAddDlg>([this](CFoodCAddDlg& dialog) {
        dialog.parentCombo()->setCurrentIndex(0);
        dialog.nameEdit()->setText("米类");
        dialog.okButton()->click();
        EXPECT_EQ(m_prompts->lastText(), "该类别已经存在！");
        EXPECT_TRUE(dialog.nameEdit()->text().isEmpty());
        dialog.nameEdit()->setText("面类");
        dialog.okButton()->click();
    });
    page.onAddCategory();
    root = tree->topLevelItem(0);
    ASSERT_EQ(root->child(0)->childCount(), 2);
    EXPECT_EQ(root->child(0)->child(1)->text(0), "面类");

    m_prompts->clear();
    tree->setCurrentItem(root->child(0)->child(1));
    page.onDeleteCategory();
    EXPECT_EQ(m_prompts->texts(), QStringList { "您确定要删除？" });
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->childCount(), 1);
}

TEST(NutrientBoxTest, BoxesTakeSinglePrecisionNumbersAndNothingElse)
{
    struct Case
    {
        QString text;
        std::optional<float> value;
    };
    const Case cases[] = {
        { "", 0.0f }, { " 12.5 ", 12.5f }, { "0.078", 0.078f }, { "-1", -1.0f }, { "1e3", 1000.0f },
        { "12,5", std::nullopt }, { "abc", std::nullopt }, { "1.2.3", std::nullopt }, { "inf", std::nullopt },
        { "1e40", std::nullopt }, // beyond single precision
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NutrientBoxGrid::numberOf(c.text), c.value) << c.text.toStdString();
    }
}
